#include "core/geometry.h"

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

} // namespace lume
