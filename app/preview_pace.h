// How often the options dialog's choices reach the desktop: at most one new
// look per interval, so that an arrow held down does not repaint every frame
// on the screen at the key's repeat rate, and the last choice always shown.
#pragma once
#include <cstdint>

namespace lume {

class PreviewPace {
public:
    static constexpr uint32_t IntervalMs = 50;

    enum class Step {
        ShowNow,   // the last look is an interval old, or there was none
        ArmTimer,  // too soon: a timer, armed for wait(), shows the latest choice
        Wait,      // the timer is armed already
    };
    // A choice at `now` (milliseconds on a wrapping tick).
    Step choice(uint32_t now);
    // Milliseconds from `now` until the next look may be shown (at least 1).
    uint32_t wait(uint32_t now) const;
    // A look was shown at `now`: the timer, if any, has done its work.
    void shown(uint32_t now);

private:
    bool armed_ = false;
    bool anyShown_ = false;
    uint32_t last_ = 0;
};

} // namespace lume
