// What a window's change of place uncovers, the windows it meets, the settle
// schedule and the exclusion list's rules on random inputs.
#include <algorithm>

#include "fallback/settle_schedule.h"
#include "fallback/uncovered_area.h"
#include "settings/exclusion_list.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using namespace lume;

Rect TakeRect(fuzz::Input& input)
{
    const auto left = input.take<int16_t>(), top = input.take<int16_t>();
    return {left, top, left + input.take<uint16_t>() % 2048, top + input.take<uint16_t>() % 2048};
}

bool Inside(const Rect& inner, const Rect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const Rect before = TakeRect(input), after = TakeRect(input);
    const bool reordered = input.take<uint8_t>() & 1;
    const std::vector<Rect> area = UncoveredArea(before, after, reordered);
    // Only where it was; outside where it is now, unless re-ordered.
    for (const Rect& part : area) {
        fuzz::Require(!part.empty());
        fuzz::Require(Inside(part, before) || (reordered && part == after));
        fuzz::Require(Intersects(part, after) == (reordered && part == after && Intersects(after, after)));
    }

    WindowPlaces places;
    for (uintptr_t window = 0; window < 8 && !input.empty(); ++window)
        places.set(window, TakeRect(input));
    for (uintptr_t window : places.meeting(area))
        fuzz::Require(std::any_of(area.begin(), area.end(), [&](const Rect& part) {
            return Intersects(*places.of(window), part);
        }));

    SettleSchedule schedule;
    uint32_t now = input.take<uint32_t>();
    for (int i = 0; i < 16 && !input.empty(); ++i) {
        const auto step = input.take<uint8_t>();
        if (step & 1)
            schedule.rearm(step % 5, now, 30);
        else
            schedule.armBy(step % 5, now, 50);
        now += step % 40;
        if (auto next = schedule.nextIn(now))
            fuzz::Require(*next <= 250);
        for (uintptr_t due : schedule.takeDue(now, 250))
            fuzz::Require(due < 5);
    }
    fuzz::Require(schedule.pending() <= 5);

    ExclusionList list;
    while (!input.empty()) {
        const std::string bytes = input.text(40);
        const std::u16string typed(bytes.begin(), bytes.end());  // any code units, blanks and quotes too
        const std::u16string name = ProgramFileName(typed);
        fuzz::Require(name.size() <= typed.size());
        fuzz::Require(SameProgram(name, name));
        if (list.add(typed))
            fuzz::Require(list.contains(name));
        fuzz::Require(!list.add(typed));
    }
    const ExclusionWrites writes = WritesForExclusions(list, {"1", "x"});
    fuzz::Require(writes.set.size() == list.names().size());
    return 0;
}
