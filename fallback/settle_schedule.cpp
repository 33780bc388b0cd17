#include "fallback/settle_schedule.h"

namespace lume {

namespace {

// Ticks wrap after 49.7 days: compare by signed difference.
int32_t Until(uint32_t due, uint32_t now) { return static_cast<int32_t>(due - now); }

} // namespace

void SettleSchedule::rearm(uintptr_t window, uint32_t now, uint32_t delay) { due_[window] = {now + delay, false}; }

void SettleSchedule::armBy(uintptr_t window, uint32_t now, uint32_t delay)
{
    auto [entry, added] = due_.try_emplace(window, Due{now + delay, false});
    // A late repaint due sooner would come before the uncovered pixels are
    // back, with nothing after it; a first repaint has its late one after it.
    if (!added && (entry->second.late || Until(entry->second.at, now) > static_cast<int32_t>(delay)))
        entry->second = {now + delay, false};
}

std::vector<uintptr_t> SettleSchedule::takeDue(uint32_t now, uint32_t lateDelay)
{
    std::vector<uintptr_t> due;
    for (auto entry = due_.begin(); entry != due_.end();) {
        if (Until(entry->second.at, now) > 0) {
            ++entry;
            continue;
        }
        due.push_back(entry->first);
        if (entry->second.late) {
            entry = due_.erase(entry);
        } else {
            entry->second = {now + lateDelay, true};
            ++entry;
        }
    }
    return due;
}

std::optional<uint32_t> SettleSchedule::nextIn(uint32_t now) const
{
    std::optional<uint32_t> next;
    for (const auto& [window, due] : due_) {
        const int32_t until = Until(due.at, now);
        const uint32_t in = until > 0 ? static_cast<uint32_t>(until) : 0;
        if (!next || in < *next)
            next = in;
    }
    return next;
}

} // namespace lume
