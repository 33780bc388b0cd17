#include "fallback/caption_dc.h"

#include <vector>

#include "compose/caption_paint.h"
#include "fallback/child_clip.h"

namespace lume {

namespace {

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The union of `parts`, moved by `offset`.
ui::RegionHandle RegionOf(const std::vector<Rect>& parts, Point offset)
{
    ui::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
    if (region)
        CombineRects(region.get(), parts, offset, RGN_OR);
    return region;
}

// The window DC clipped to `area`, in window coordinates. A region handed to
// GetDCEx would be in screen coordinates, taken from a rectangle read before:
// it stays where the window was.
ui::WindowDc ClippedWindowDc(HWND window, const ui::RegionHandle& area)
{
    ui::WindowDc dc(window, GetDCEx(window, nullptr, DCX_WINDOW | DCX_CACHE));
    if (dc)
        SelectClipRgn(dc.get(), area.get());
    return dc;
}

// A child's DC: its top-level window's, moved to the child's offset, and
// clipped to what of the child can be seen (its rectangle within its
// parent's client area, minus the visible siblings above it).
ui::WindowDc ChildCaptionDc(HWND window, const CaptionLayout& layout, bool fullRepaint, bool withLines)
{
    HWND root = GetAncestor(window, GA_ROOT);
    HWND parent = GetParent(window);
    RECT rootFrame{}, childFrame{}, parentClient{};
    // Read together, and the clip made relative to the top-level window.
    GetWindowRect(root, &rootFrame);
    GetWindowRect(window, &childFrame);
    GetClientRect(parent, &parentClient);
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&parentClient), 2);
    std::vector<Rect> siblingsAbove;
    for (HWND sibling = GetWindow(window, GW_HWNDPREV); sibling; sibling = GetWindow(sibling, GW_HWNDPREV)) {
        RECT frame{};
        if (IsWindowVisible(sibling) && GetWindowRect(sibling, &frame))
            siblingsAbove.push_back(ToRect(frame));
    }
    const Point offset{childFrame.left - rootFrame.left, childFrame.top - rootFrame.top};
    ui::RegionHandle area(CaptionClipRegion(layout, fullRepaint, withLines, offset));
    ui::RegionHandle visible = RegionOf(VisibleChildArea(ToRect(childFrame), ToRect(parentClient), siblingsAbove),
                                        {-rootFrame.left, -rootFrame.top});
    CombineRgn(area.get(), area.get(), visible.get(), RGN_AND);
    ui::WindowDc dc = ClippedWindowDc(root, area);
    if (dc)
        SetViewportOrgEx(dc.get(), offset.x, offset.y, nullptr);
    return dc;
}

} // namespace

ui::WindowDc CaptionDc(HWND window, const CaptionLayout& layout, bool fullRepaint, bool withLines, bool throughRoot)
{
    if ((layout.Style & WS_CHILD) && throughRoot)
        return ChildCaptionDc(window, layout, fullRepaint, withLines);
    return ClippedWindowDc(window, ui::RegionHandle(CaptionClipRegion(layout, fullRepaint, withLines, {0, 0})));
}

} // namespace lume
