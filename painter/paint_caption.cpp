#include <windows.h>

#include <cstring>

#include "painter/caption_drawing.h"
#include "painter/painter.h"
#include "painter/surfaces.h"
#include "settings/settings.h"
#include "ui/canvas.h"

namespace lume {

namespace {

constexpr int ClassNameBytes = 15;
constexpr int WindowTextBytes = 257;

void Exclude(HDC dc, const Rect& rect) { ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom); }

const ui::Font& FontOf(const CaptionLayout& layout)
{
    return layout.CaptionFont == CaptionFontKind::Tool ? *ToolFont : *NormalFont;
}

// Each step draws nothing once the window has gone out of sight, and tells
// whether painting may go on.
bool PaintCaptionText(HWND window, ui::Canvas& canvas, const CaptionLayout& layout)
{
    if (!IsWindowVisible(window))
        return true;
    HFONT font = FontOf(layout).handle();
    if (!font)
        return false;
    canvas.selectFont(font);
    char text[WindowTextBytes] = {};
    int length = GetWindowTextA(window, text, WindowTextBytes);
    if (length < 0)
        length = 0;
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
    return true;
}

bool DrawLines(ui::Canvas& canvas, const std::vector<LineSegment>& lines)
{
    for (const LineSegment& segment : lines) {
        if (!canvas.setPen(segment.color))
            return false;
        canvas.line(segment.from, segment.to);
    }
    return true;
}

bool PaintCaptionEdge(HWND window, ui::Canvas& canvas, const CaptionLayout& layout)
{
    if (!IsWindowVisible(window))
        return true;
    return DrawLines(canvas, CaptionEdgeLines(layout.CaptionRect));
}

bool PaintSizingGrooves(HWND window, ui::Canvas& canvas, const CaptionLayout& layout)
{
    if (!(layout.Style & WS_THICKFRAME) || !IsWindowVisible(window))
        return true;
    return DrawLines(canvas,
                     SizingGrooveLines(layout.CaptionRect.bottom, layout.WindowBox, layout.FrameX, layout.FrameY));
}

} // namespace

void PaintCaption(HWND window, bool fullRepaint)
{
    if (!IsWindowVisible(window))
        return;
    char className[ClassNameBytes] = {};
    GetClassNameA(window, className, ClassNameBytes);
    if (std::strcmp(className, "tty") == 0)
        return;  // never painted
    const CaptionLayout layout = ComputeCaptionLayout(window);
    ui::WindowDc dc(window, GetWindowDC(window));
    if (!dc)
        return;
    ui::Canvas canvas(dc.get());
    if (!fullRepaint)
        Exclude(dc.get(), CaptionStripExclusion(layout));
    for (const Rect& button : ProtectedButtonRects(layout))
        Exclude(dc.get(), button);

    if (IsWindowVisible(window))
        PaintSurface(window, dc.get(), layout);
    if (PaintCaptionText(window, canvas, layout) && PaintCaptionEdge(window, canvas, layout))
        PaintSizingGrooves(window, canvas, layout);
}

} // namespace lume
