// Dropping the notifications queued right behind a handled one for the same
// window, so that one paint serves an unbroken run.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "hooklib/hook_protocol.h"

namespace lume {

// The message numbers a handled notification looks at behind it: both kinds
// after UM_CAPTIONCHANGED, only UM_CAPTIONTOUCHED after UM_CAPTIONTOUCHED.
constexpr uint32_t CoalescingFirst(uint32_t handled)
{
    return handled == UM_CAPTIONCHANGED ? UM_CAPTIONCHANGED : UM_CAPTIONTOUCHED;
}
constexpr uint32_t CoalescingLast = UM_CAPTIONTOUCHED;

// Queue: peek(first, last) gives the window of the oldest queued message in
// the range, or nothing; remove(first, last) takes that message out.
template <class Queue>
int DropFollowingNotifications(uint32_t handled, uintptr_t window, Queue& queue)
{
    const uint32_t first = CoalescingFirst(handled);
    int dropped = 0;
    for (;;) {
        std::optional<uintptr_t> next = queue.peek(first, CoalescingLast);
        if (!next || *next != window)
            return dropped;
        queue.remove(first, CoalescingLast);
        ++dropped;
    }
}

// A queue of (number, window) entries in posting order, for the rule on plain values.
struct NotificationQueue {
    struct Entry {
        uint32_t message;
        uintptr_t window;
        bool operator==(const Entry&) const = default;
    };
    std::vector<Entry> entries;

    std::optional<uintptr_t> peek(uint32_t first, uint32_t last) const
    {
        for (const Entry& entry : entries)
            if (entry.message >= first && entry.message <= last)
                return entry.window;
        return std::nullopt;
    }
    void remove(uint32_t first, uint32_t last)
    {
        for (auto entry = entries.begin(); entry != entries.end(); ++entry)
            if (entry->message >= first && entry->message <= last) {
                entries.erase(entry);
                return;
            }
    }
};

} // namespace lume
