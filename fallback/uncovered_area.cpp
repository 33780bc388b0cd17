#include "fallback/uncovered_area.h"

#include <algorithm>

namespace lume {

std::vector<Rect> UncoveredArea(const std::optional<Rect>& before, const std::optional<Rect>& after,
                                bool reordered)
{
    if (!before)
        return {};  // newly shown: it covers, it uncovers nothing
    if (!after)
        return before->empty() ? std::vector<Rect>{} : std::vector<Rect>{*before};
    std::vector<Rect> area = SubtractRect(*before, *after);
    if (reordered && !after->empty())
        area.push_back(*after);
    return area;
}

void WindowPlaces::set(uintptr_t window, const std::optional<Rect>& place)
{
    if (place)
        places_[window] = *place;
    else
        places_.erase(window);
}

std::optional<Rect> WindowPlaces::of(uintptr_t window) const
{
    auto found = places_.find(window);
    return found == places_.end() ? std::nullopt : std::optional<Rect>(found->second);
}

std::vector<uintptr_t> WindowPlaces::meeting(const std::vector<Rect>& area) const
{
    std::vector<uintptr_t> met;
    for (const auto& entry : places_) {
        const Rect& place = entry.second;
        if (std::any_of(area.begin(), area.end(), [&](const Rect& part) { return Intersects(place, part); }))
            met.push_back(entry.first);
    }
    return met;
}

} // namespace lume
