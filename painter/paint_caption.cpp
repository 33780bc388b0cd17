#include <windows.h>

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "painter/caption_composition.h"
#include "painter/caption_dc.h"
#include "painter/caption_drawing.h"
#include "painter/composition_bitmap.h"
#include "painter/painter.h"
#include "painter/surfaces.h"
#include "painter/window_dpi.h"
#include "painter/window_program.h"
#include "settings/settings.h"
#include "ui/canvas.h"

namespace lume {

namespace {

constexpr int ClassNameBytes = 15;
constexpr int WindowTextBytes = 257;
constexpr size_t KnownClassesLimit = 4096;

const ui::Font& FontOf(const CaptionLayout& layout)
{
    return layout.CaptionFont == CaptionFontKind::Tool ? *ToolFont : *NormalFont;
}

// The memory bitmap every caption is composed in.
CompositionBitmap Composition;

// Shadow, then letters, transparent, cut to the text's clip, in the caption's font.
void PaintCaptionText(ui::Canvas& canvas, const CaptionLayout& layout, const char* text, int length)
{
    canvas.selectFont(FontOf(layout).handle());
    const Rect clip = CaptionTextClip(layout);
    const RECT clipRect{clip.left, clip.top, clip.right, clip.bottom};
    HDC dc = canvas.dc();
    SetBkMode(dc, TRANSPARENT);
    const Point shadow = CaptionShadowOrigin(layout, Settings.Common.ShadowShift);
    SetTextColor(dc, layout.ShadowColour);
    ExtTextOutA(dc, shadow.x, shadow.y, ETO_CLIPPED, &clipRect, text, static_cast<UINT>(length), nullptr);
    const Point letters = CaptionLetterOrigin(layout);
    SetTextColor(dc, layout.LetterColour);
    ExtTextOutA(dc, letters.x, letters.y, ETO_CLIPPED, &clipRect, text, static_cast<UINT>(length), nullptr);
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
    if (!ExcludedPrograms.empty() && ExcludedPrograms.contains(ProgramFileNameOf(window)))
        return;  // a program the user leaves alone, its children too
    const WindowDpiContext dpiContext(window);  // its rectangle, metrics and DC at its own DPI
    const CaptionLayout layout = ComputeCaptionLayout(window, style);

    // Composed off-screen in the order the steps overlap: surface, text with
    // its shadow, edge, grooves. Only the pixels they set reach the window.
    const CompositionBands bands = ComposedBands(layout);
    HDC memory = Composition.prepare(bands.top.width(), bands.height());
    if (!memory)
        return;
    const bool withLines = FontOf(layout).handle() != nullptr;  // without the font the later steps are left out
    ui::WindowDc dc = CaptionDc(window, layout, fullRepaint, withLines);
    if (!dc)
        return;
    const Rect& caption = layout.CaptionRect;
    if (!PaintSurface(memory, layout))  // the text goes over the system's own background
        BitBlt(memory, caption.left, caption.top, caption.width(), caption.height(), dc.get(), caption.left,
               caption.top, SRCCOPY);
    if (withLines) {
        char text[WindowTextBytes] = {};
        const int length = std::max(GetWindowTextA(window, text, WindowTextBytes), 0);
        {
            ui::Canvas canvas(memory);
            PaintCaptionText(canvas, layout, text, length);
        }
        GdiFlush();
        DrawLines({Composition.pixels(), Composition.width(), bands}, CaptionLines(layout));
    }
    if (!IsShown(window, StyleOf(window)))
        return;  // hidden meanwhile: nothing is drawn on it
    BitBlt(dc.get(), 0, bands.top.top, bands.top.width(), bands.top.height(), memory, 0, 0, SRCCOPY);
    if (!bands.bottom.empty())
        BitBlt(dc.get(), 0, bands.bottom.top, bands.bottom.width(), bands.bottom.height(), memory, 0,
               bands.top.height(), SRCCOPY);
}

} // namespace lume
