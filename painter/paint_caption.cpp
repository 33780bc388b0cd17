#include <windows.h>

#include <cstring>

#include "painter/caption_drawing.h"
#include "painter/child_clip.h"
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

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// A child's DC: its top-level window's, moved to the child's offset, and
// clipped to what of the child can be seen (its rectangle within its
// parent's client area, minus the visible siblings above it).
ui::WindowDc ChildCaptionDc(HWND window)
{
    HWND root = GetAncestor(window, GA_ROOT);
    ui::WindowDc dc(root, GetDCEx(root, nullptr, DCX_WINDOW | DCX_CACHE));
    if (!dc)
        return dc;
    RECT rootFrame{}, childFrame{}, parentClient{};
    GetWindowRect(root, &rootFrame);
    GetWindowRect(window, &childFrame);
    HWND parent = GetParent(window);
    GetClientRect(parent, &parentClient);
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&parentClient), 2);
    std::vector<Rect> siblingsAbove;
    for (HWND sibling = GetWindow(window, GW_HWNDPREV); sibling; sibling = GetWindow(sibling, GW_HWNDPREV)) {
        RECT frame{};
        if (IsWindowVisible(sibling) && GetWindowRect(sibling, &frame))
            siblingsAbove.push_back(ToRect(frame));
    }
    ui::RegionHandle visible(CreateRectRgn(0, 0, 0, 0));
    for (const Rect& piece : VisibleChildArea(ToRect(childFrame), ToRect(parentClient), siblingsAbove)) {
        ui::RegionHandle part(CreateRectRgn(piece.left - rootFrame.left, piece.top - rootFrame.top,
                                            piece.right - rootFrame.left, piece.bottom - rootFrame.top));
        CombineRgn(visible.get(), visible.get(), part.get(), RGN_OR);
    }
    SelectClipRgn(dc.get(), visible.get());  // device coordinates of the top-level window
    SetViewportOrgEx(dc.get(), childFrame.left - rootFrame.left, childFrame.top - rootFrame.top, nullptr);
    return dc;
}

ui::WindowDc CaptionDc(HWND window, uint32_t style)
{
    if ((style & WS_CHILD) && PaintChildrenThroughRoot)
        return ChildCaptionDc(window);
    return ui::WindowDc(window, GetWindowDC(window));
}

} // namespace

bool PaintChildrenThroughRoot = true;

void PaintCaption(HWND window, bool fullRepaint)
{
    if (!IsWindowVisible(window))
        return;
    char className[ClassNameBytes] = {};
    GetClassNameA(window, className, ClassNameBytes);
    if (std::strcmp(className, "tty") == 0)
        return;  // never painted
    const CaptionLayout layout = ComputeCaptionLayout(window);
    ui::WindowDc dc = CaptionDc(window, layout.Style);
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
