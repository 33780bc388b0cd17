#include "painter/child_clip.h"

#include <algorithm>

namespace lume {

Rect IntersectRects(const Rect& a, const Rect& b) noexcept
{
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    return r.empty() ? Rect{} : r;
}

std::vector<Rect> SubtractRect(const Rect& a, const Rect& b)
{
    const Rect cut = IntersectRects(a, b);
    if (cut.empty())
        return a.empty() ? std::vector<Rect>{} : std::vector<Rect>{a};
    std::vector<Rect> pieces{
        {a.left, a.top, a.right, cut.top},          // above the cut
        {a.left, cut.bottom, a.right, a.bottom},    // below it
        {a.left, cut.top, cut.left, cut.bottom},    // left of it
        {cut.right, cut.top, a.right, cut.bottom},  // right of it
    };
    pieces.erase(std::remove_if(pieces.begin(), pieces.end(), [](const Rect& r) { return r.empty(); }), pieces.end());
    return pieces;
}

std::vector<Rect> VisibleChildArea(const Rect& child, const Rect& parentClient, const std::vector<Rect>& siblingsAbove)
{
    std::vector<Rect> visible;
    const Rect start = IntersectRects(child, parentClient);
    if (!start.empty())
        visible.push_back(start);
    for (const Rect& sibling : siblingsAbove) {
        std::vector<Rect> next;
        for (const Rect& piece : visible)
            for (const Rect& rest : SubtractRect(piece, sibling))
                next.push_back(rest);
        visible = std::move(next);
    }
    return visible;
}

} // namespace lume
