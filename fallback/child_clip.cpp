#include "fallback/child_clip.h"

namespace lume {

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
