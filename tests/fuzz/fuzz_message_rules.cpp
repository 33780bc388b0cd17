// The hook's classification, the coalescing loop and the sweep filters on
// random inputs.
#include "fallback/coalescing.h"
#include "core/window_filter.h"
#include "hooklib/classify.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace lume;
    fuzz::Input input(data, size);
    const auto style = input.take<uint32_t>();
    const auto message = input.take<uint16_t>();
    const auto result = input.take<int64_t>();
    const HookDecision decision = ClassifyHookedMessage(style, message, static_cast<intptr_t>(result));
    if (!IsHookedStyle(style))
        fuzz::Require(decision.action == HookAction::Nothing);
    if (decision.action == HookAction::PostCaptionChanged)
        fuzz::Require(decision.wParam == message);
    if (decision.action == HookAction::PostCaptionTouched)
        fuzz::Require(decision.wParam == 0);
    IsSweepCandidate(style);
    IsSweptDescendant(style);

    // A queue of notifications for three windows behind a handled one.
    const uint32_t handled = input.take<uint8_t>() % 2 ? UM_CAPTIONCHANGED : UM_CAPTIONTOUCHED;
    const uintptr_t window = input.take<uint8_t>() % 3;
    NotificationQueue queue;
    while (!input.empty() && queue.entries.size() < 64) {
        auto entry = input.take<uint8_t>();
        queue.entries.push_back({entry & 1 ? UM_CAPTIONCHANGED : UM_CAPTIONTOUCHED, uintptr_t(entry >> 1) % 3});
    }
    const size_t before = queue.entries.size();
    const int dropped = DropFollowingNotifications(handled, window, queue);
    fuzz::Require(before - queue.entries.size() == size_t(dropped));
    if (auto next = queue.peek(CoalescingFirst(handled), CoalescingLast))
        fuzz::Require(*next != window);
    return 0;
}
