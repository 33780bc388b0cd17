// The process-wide list of tray components, keyed by the decimal text of
// their icon IDs; lookups find the first entry with a text.
#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace lume::ui {

template <class Component>
class TrayIconList {
public:
    struct Entry {
        std::string id;
        Component* component;
    };

    // 1 for an empty list, else the last entry's ID plus 1 (taken or not).
    int32_t nextId() const { return entries_.empty() ? 1 : std::stoi(entries_.back().id) + 1; }

    void append(int32_t id, Component* component) { entries_.push_back({std::to_string(id), component}); }

    Entry* find(const std::string& id)
    {
        auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.id == id; });
        return found == entries_.end() ? nullptr : &*found;
    }
    Entry* find(int32_t id) { return find(std::to_string(id)); }

    void removeFirst(int32_t id)
    {
        auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) { return e.id == std::to_string(id); });
        if (found != entries_.end())
            entries_.erase(found);
    }

    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

} // namespace lume::ui
