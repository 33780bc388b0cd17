// What a top-level window laid bare when it was hidden, moved, resized or
// re-ordered, and which known windows meet that area. Screen coordinates.
#pragma once
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/geometry.h"

namespace lume {

// The screen area a window's change uncovered: where it was (`before`, none
// when it was not visible) and no longer is (`after`, none when it is hidden
// or gone). A window re-ordered in place may have uncovered windows it had
// lain under, or itself: its whole rectangle.
std::vector<Rect> UncoveredArea(const std::optional<Rect>& before, const std::optional<Rect>& after,
                                bool reordered);

// The last known rectangle of each visible top-level window.
class WindowPlaces {
public:
    // `place` none: the window is hidden or gone and drops out.
    void set(uintptr_t window, const std::optional<Rect>& place);
    std::optional<Rect> of(uintptr_t window) const;
    // The windows whose rectangle meets any part of `area`.
    std::vector<uintptr_t> meeting(const std::vector<Rect>& area) const;
    size_t size() const { return places_.size(); }
    void clear() { places_.clear(); }

private:
    std::unordered_map<uintptr_t, Rect> places_;
};

} // namespace lume
