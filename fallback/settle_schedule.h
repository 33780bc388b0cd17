// When each window is painted once more: one pending repaint per window,
// kept as a due time on the millisecond tick, so that one system timer serves
// them all and none runs while nothing is pending. Each repaint is followed by
// a late one, for a window whose own late screen update came later still (a
// busy machine), unless the window is scheduled anew before it.
#pragma once
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace lume {

class SettleSchedule {
public:
    // Due `delay` from `now`, also when it was due sooner: each notification
    // for a window puts its settle repaint off until its run has ended.
    void rearm(uintptr_t window, uint32_t now, uint32_t delay);
    // Due `delay` from `now` at the latest: an earlier first repaint stays, so
    // a window uncovered again and again is still repainted at a steady pace.
    // A pending late repaint gives way: it may come too soon, and is the last.
    void armBy(uintptr_t window, uint32_t now, uint32_t delay);
    // The windows due at `now`. Those due for their first repaint stay, due
    // once more `lateDelay` later; those due for their late one go.
    std::vector<uintptr_t> takeDue(uint32_t now, uint32_t lateDelay);
    // Milliseconds from `now` until the next window is due (0 when overdue).
    std::optional<uint32_t> nextIn(uint32_t now) const;
    size_t pending() const { return due_.size(); }

private:
    struct Due {
        uint32_t at;
        bool late;  // the repaint after the repaint
    };
    std::unordered_map<uintptr_t, Due> due_;
};

} // namespace lume
