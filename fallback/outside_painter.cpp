#include "fallback/outside_painter.h"

#include <algorithm>

#include "compose/caption_paint.h"
#include "compose/window_rules.h"
#include "fallback/caption_dc.h"
#include "window/self_painting.h"
#include "window/window_dpi.h"
#include "window/window_program.h"

namespace lume {

namespace {

constexpr int ClassNameBytes = 15;
constexpr int WindowTextUnits = 257;
constexpr size_t KnownClassesLimit = 4096;

const ui::Font& FontOf(const LookParts& look, const CaptionLayout& layout)
{
    return layout.CaptionFont == CaptionFontKind::Tool ? *look.toolFont : *look.normalFont;
}

// The title as the window holds it, in UTF-16, at most WindowTextUnits - 1 units.
std::wstring TitleOf(HWND window)
{
    wchar_t text[WindowTextUnits] = {};
    const int length = std::max(GetWindowTextW(window, text, WindowTextUnits), 0);
    return std::wstring(text, static_cast<size_t>(length));
}

// A window whose parent is the desktop is visible exactly when its own
// WS_VISIBLE bit is set; a child also needs all its ancestors shown.
bool IsShown(HWND window, uint32_t style)
{
    return (style & WS_CHILD) ? IsWindowVisible(window) != FALSE : (style & WS_VISIBLE) != 0;
}

} // namespace

OutsidePainter::OutsidePainter(HWND mainWindow, const Mends& mends, FrameMetrics& metrics, ShownLook shownLook,
                               std::function<void()> sweep)
    : shownLook_(std::move(shownLook)), layouts_(metrics), childrenThroughRoot_(mends.childrenThroughRoot),
      hookPaints_(mends.selfPainting),
      notifications_(
          mainWindow,
          [this](HWND window, bool full) {
              if (!hookPaints_ || !PaintsItsOwnCaption(window))
                  paint(window, full);
          },
          std::move(sweep), mends.settleRepaint, mends.uncoveredRepaint)
{
    notifications_.setHookPaints(hookPaints_);
}

void OutsidePainter::setHookPaints(bool on)
{
    hookPaints_ = on;
    notifications_.setHookPaints(on);
}

void OutsidePainter::refresh(HWND window, uint32_t style)
{
    if (hookPaints_ && PaintsItsOwnCaption(window))
        AskFrameRepaint(window);
    else
        paint(window, true, style);
}

CaptionLayout OutsidePainter::layoutOf(HWND window)
{
    const WindowDpiContext dpiContext(window);
    return layouts_.layoutOf(window, StyleOf(window), *shownLook_().settings);
}

bool OutsidePainter::isTty(HWND window)
{
    if (auto found = ttys_.find(window); found != ttys_.end())
        return found->second;
    char className[ClassNameBytes] = {};
    GetClassNameA(window, className, ClassNameBytes);
    if (ttys_.size() >= KnownClassesLimit)
        ttys_.clear();
    return ttys_[window] = IsNeverPaintedClass(className);
}

void OutsidePainter::paint(HWND window, bool fullRepaint, uint32_t style)
{
    if (!IsShown(window, style) || isTty(window))
        return;  // a tty window is never painted
    const LookParts look = shownLook_();
    const ExclusionList& leftAlone = *look.excluded;
    if (!leftAlone.empty() && leftAlone.contains(ProgramFileNameOf(window)))
        return;  // a program the user leaves alone, its children too
    const WindowDpiContext dpiContext(window);  // its rectangle, metrics and DC at its own DPI
    const CaptionLayout layout = layouts_.layoutOf(window, style, *look.settings);
    if (layout.ExStyle & WS_EX_LAYOUTRTL)
        return;  // a mirrored frame keeps the system's look: its text would come out mirrored

    const CompositionBands bands = ComposedBands(layout);
    if (!composition_.prepare(bands.top.width(), bands.height()))
        return;
    const HFONT font = FontOf(look, layout).handle();  // without it the text and lines are left out
    ui::WindowDc dc = CaptionDc(window, layout, fullRepaint, font != nullptr, childrenThroughRoot_);
    if (!dc)
        return;
    const std::wstring title = font ? TitleOf(window) : std::wstring();
    const CaptionLook& settings = layout.IsActive ? look.settings->Active : look.settings->Inactive;
    const SurfaceBitmap* prepared = SurfaceOf(*look.surfaces, settings, layout.IsActive);
    const ui::MemoryDc source(prepared ? prepared->bitmap.get() : nullptr);
    const SurfaceSource surface{prepared ? settings.Surface : SurfaceKind::Default, source.get(),
                                prepared ? prepared->width : 0, prepared ? prepared->height : 0};
    ComposeCaption(composition_.dib(), layout, bands, surface,
                   {font, title.c_str(), static_cast<uint32_t>(title.size()), look.settings->Common.ShadowShift},
                   dc.get());
    if (!IsShown(window, StyleOf(window)))
        return;  // hidden meanwhile: nothing is drawn on it
    // Only the pixels composed reach the window.
    PutComposedCaption(dc.get(), composition_.dib(), bands);
}

} // namespace lume
