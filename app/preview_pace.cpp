#include "app/preview_pace.h"

namespace lume {

PreviewPace::Step PreviewPace::choice(uint32_t now)
{
    if (armed_)
        return Step::Wait;
    if (!anyShown_ || now - last_ >= IntervalMs)
        return Step::ShowNow;
    armed_ = true;
    return Step::ArmTimer;
}

uint32_t PreviewPace::wait(uint32_t now) const
{
    const uint32_t since = now - last_;
    return since >= IntervalMs ? 1 : IntervalMs - since;
}

void PreviewPace::shown(uint32_t now)
{
    last_ = now;
    anyShown_ = true;
    armed_ = false;
}

} // namespace lume
