#include "painter/publication_ledger.h"

#include <algorithm>
#include <utility>

#include "hooklib/published_captions.h"

namespace lume {

PublicationLedger::PublicationLedger(uint32_t dataStart, uint32_t dataEnd)
{
    if (dataEnd > dataStart)
        free_[dataStart] = dataEnd - dataStart;
}

const PublicationLedger::Entry* PublicationLedger::find(uint32_t window, bool active) const
{
    for (uint32_t probe = 0; probe < PublishedProbeLength; ++probe) {
        auto it = slots_.find(PublishedSlotIndex(window, active, probe));
        if (it != slots_.end() && it->second.window == window && it->second.active == active)
            return &it->second;
    }
    return nullptr;
}

// Its own slot, else a free one in its probe range, else the one there
// published longest ago.
std::optional<uint32_t> PublicationLedger::slotFor(uint32_t window, bool active) const
{
    std::optional<uint32_t> empty, oldest;
    for (uint32_t probe = 0; probe < PublishedProbeLength; ++probe) {
        const uint32_t slot = PublishedSlotIndex(window, active, probe);
        auto it = slots_.find(slot);
        if (it == slots_.end()) {
            if (!empty)
                empty = slot;
            continue;
        }
        if (it->second.window == window && it->second.active == active)
            return slot;
        if (!oldest || it->second.order < slots_.at(*oldest).order)
            oldest = slot;
    }
    return empty ? empty : oldest;
}

std::optional<PublicationLedger::Placement> PublicationLedger::place(uint32_t window, bool active, uint32_t bytes,
                                                                     uint32_t now)
{
    const std::optional<uint32_t> slot = slotFor(window, active);
    if (!slot || bytes == 0)
        return std::nullopt;
    reclaim(now);
    const std::optional<uint32_t> offset = allocate(bytes, now);
    if (!offset) {
        giveUpOldest(bytes, now, *slot);
        return std::nullopt;
    }
    if (auto it = slots_.find(*slot); it != slots_.end())
        release(it->second.offset, it->second.size, now);
    slots_[*slot] = Entry{*slot, window, active, *offset, bytes, ++order_};
    return Placement{*slot, *offset};
}

void PublicationLedger::clear(uint32_t now)
{
    for (const auto& [slot, entry] : slots_)
        release(entry.offset, entry.size, now);
    slots_.clear();
    emptied_.clear();  // a new epoch voids every slot at once
}

void PublicationLedger::forget(uint32_t window, uint32_t now)
{
    for (auto it = slots_.begin(); it != slots_.end();) {
        if (it->second.window == window) {
            release(it->second.offset, it->second.size, now);
            emptied_.push_back(it->first);
            it = slots_.erase(it);
        } else {
            ++it;
        }
    }
}

std::vector<uint32_t> PublicationLedger::takeEmptied() { return std::exchange(emptied_, {}); }

uint32_t PublicationLedger::bytesInUse() const
{
    uint32_t total = 0;
    for (const auto& [slot, entry] : slots_)
        total += entry.size;
    return total;
}

size_t PublicationLedger::captions() const { return slots_.size(); }

std::vector<uint32_t> PublicationLedger::windows() const
{
    std::vector<uint32_t> windows;
    for (const auto& [slot, entry] : slots_)
        windows.push_back(entry.window);
    std::sort(windows.begin(), windows.end());
    windows.erase(std::unique(windows.begin(), windows.end()), windows.end());
    return windows;
}

// First fit; blocks keep a multiple of 4 bytes.
std::optional<uint32_t> PublicationLedger::allocate(uint32_t bytes, uint32_t)
{
    bytes = (bytes + 3u) & ~3u;
    for (auto it = free_.begin(); it != free_.end(); ++it) {
        if (it->second < bytes)
            continue;
        const uint32_t offset = it->first, rest = it->second - bytes;
        free_.erase(it);
        if (rest > 0)
            free_[offset + bytes] = rest;
        return offset;
    }
    return std::nullopt;
}

void PublicationLedger::release(uint32_t offset, uint32_t size, uint32_t now)
{
    released_.push_back({offset, (size + 3u) & ~3u, now});
}

// Blocks given up long enough ago become free again, merged with their neighbours.
void PublicationLedger::reclaim(uint32_t now)
{
    for (auto it = released_.begin(); it != released_.end();) {
        if (now - it->at < QuarantineMs) {
            ++it;
            continue;
        }
        uint32_t offset = it->offset, size = it->size;
        auto next = free_.lower_bound(offset);
        if (next != free_.end() && offset + size == next->first) {
            size += next->second;
            next = free_.erase(next);
        }
        if (next != free_.begin()) {
            auto previous = std::prev(next);
            if (previous->first + previous->second == offset) {
                offset = previous->first;
                size += previous->second;
                free_.erase(previous);
            }
        }
        free_[offset] = size;
        it = released_.erase(it);
    }
}

void PublicationLedger::giveUpOldest(uint32_t bytes, uint32_t now, uint32_t keepSlot)
{
    std::vector<std::pair<uint64_t, uint32_t>> byAge;
    for (const auto& [slot, entry] : slots_)
        if (slot != keepSlot)
            byAge.emplace_back(entry.order, slot);
    std::sort(byAge.begin(), byAge.end());
    uint64_t given = 0;
    for (const auto& [order, slot] : byAge) {
        if (given >= bytes)
            break;
        given += slots_[slot].size;
        release(slots_[slot].offset, slots_[slot].size, now);
        slots_.erase(slot);
        emptied_.push_back(slot);
    }
}

} // namespace lume
