// What of a child window can be seen: its rectangle, cut to its parent's
// client area, minus the visible siblings above it.
#pragma once
#include <vector>

#include "core/geometry.h"

namespace lume {

// Disjoint rectangles, in the same coordinates as the arguments; none when
// the child is out of sight.
std::vector<Rect> VisibleChildArea(const Rect& child, const Rect& parentClient, const std::vector<Rect>& siblingsAbove);

} // namespace lume
