#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

#include "compose/caption_paint.h"
#include "painter/caption_dc.h"
#include "painter/composition_bitmap.h"
#include "painter/painter.h"
#include "painter/shown_look.h"
#include "painter/surfaces.h"
#include "painter/window_dpi.h"
#include "painter/window_program.h"
#include "settings/settings.h"

namespace lume {

namespace {

constexpr int ClassNameBytes = 15;
constexpr int WindowTextUnits = 257;
constexpr size_t KnownClassesLimit = 4096;

const ui::Font& FontOf(const LookParts& look, const CaptionLayout& layout)
{
    return layout.CaptionFont == CaptionFontKind::Tool ? *look.toolFont : *look.normalFont;
}

// The memory bitmap every caption is composed in.
CompositionBitmap Composition;

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

// Whether the window is of class "tty" (exactly, case-sensitive), asked of the
// system once per window: a window's class never changes.
bool IsTty(HWND window)
{
    static std::unordered_map<HWND, bool> known;
    if (auto found = known.find(window); found != known.end())
        return found->second;
    char className[ClassNameBytes] = {};
    GetClassNameA(window, className, ClassNameBytes);
    if (known.size() >= KnownClassesLimit)
        known.clear();
    return known[window] = std::strcmp(className, "tty") == 0;
}

} // namespace

bool PaintChildrenThroughRoot = true;

void PaintCaption(HWND window, bool fullRepaint) { PaintCaption(window, fullRepaint, StyleOf(window)); }

void PaintCaption(HWND window, bool fullRepaint, uint32_t style)
{
    if (!IsShown(window, style))
        return;
    if (IsTty(window))
        return;  // never painted
    if (!ExcludedPrograms.empty() && ExcludedPrograms.contains(ProgramFileNameOf(window))) {
        return;  // a program the user leaves alone, its children too
    }
    const WindowDpiContext dpiContext(window);  // its rectangle, metrics and DC at its own DPI
    const CaptionLayout layout = ComputeCaptionLayout(window, style);
    if (layout.ExStyle & WS_EX_LAYOUTRTL)
        return;  // a mirrored frame keeps the system's look: its text would come out mirrored
    const LookParts look = ShownLook();

    const CompositionBands bands = ComposedBands(layout);
    if (!Composition.prepare(bands.top.width(), bands.height()))
        return;
    const HFONT font = FontOf(look, layout).handle();  // without it the later steps are left out
    ui::WindowDc dc = CaptionDc(window, layout, fullRepaint, font != nullptr);
    if (!dc)
        return;
    const std::wstring title = font ? TitleOf(window) : std::wstring();
    const CaptionLook& settings = layout.IsActive ? look.settings->Active : look.settings->Inactive;
    const SurfaceBitmap* prepared = SurfaceOf(*look.surfaces, settings, layout.IsActive);
    const ui::MemoryDc source(prepared ? prepared->bitmap.get() : nullptr);
    const SurfaceSource surface{prepared ? settings.Surface : SurfaceKind::Default, source.get(),
                                prepared ? prepared->width : 0, prepared ? prepared->height : 0};
    ComposeCaption(Composition.dib(), layout, bands, surface,
                   {font, title.c_str(), static_cast<uint32_t>(title.size()), look.settings->Common.ShadowShift},
                   dc.get());
    if (!IsShown(window, StyleOf(window)))
        return;  // hidden meanwhile: nothing is drawn on it
    // Only the pixels the steps set reach the window.
    PutComposedCaption(dc.get(), Composition.dib(), bands);
}

} // namespace lume
