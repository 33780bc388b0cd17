// The program's own account of what it has published: which slot holds each
// (window, look), and where each block lies in the data area. A block given
// up is reused only after a while, so a hook still putting it on a window
// never reads a block being rewritten.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace lume {

class PublicationLedger {
public:
    // How long a block given up stays untouched.
    static constexpr uint32_t QuarantineMs = 1000;

    struct Entry {
        uint32_t slot = 0;
        uint32_t window = 0;
        bool active = false;
        uint32_t offset = 0;
        uint32_t size = 0;
        uint64_t order = 0;  // when it was published, in publications
    };

    // Blocks go in [dataStart, dataEnd).
    PublicationLedger(uint32_t dataStart, uint32_t dataEnd);

    // What the slot of (window, look) holds now, if anything.
    const Entry* find(uint32_t window, bool active) const;

    struct Placement {
        uint32_t slot;
        uint32_t offset;
    };
    // A slot and a fresh block of `bytes` for (window, look); the block it
    // held before, or that of a caption pushed out of its slot, is given up.
    // None when no space is free now: the oldest captions are then given up,
    // so that there is space a moment later.
    std::optional<Placement> place(uint32_t window, bool active, uint32_t bytes, uint32_t now);

    // Slots whose caption was given up without a new one, since the last call:
    // to be emptied in the mapping before their blocks are reused.
    std::vector<uint32_t> takeEmptied();

    // Everything given up (the captions were withdrawn).
    void clear(uint32_t now);
    // Every caption of a window given up.
    void forget(uint32_t window, uint32_t now);

    uint32_t bytesInUse() const;
    size_t captions() const;
    // Windows with a published caption.
    std::vector<uint32_t> windows() const;

private:
    struct Released {
        uint32_t offset, size, at;
    };
    std::optional<uint32_t> slotFor(uint32_t window, bool active) const;
    std::optional<uint32_t> allocate(uint32_t bytes, uint32_t now);
    void release(uint32_t offset, uint32_t size, uint32_t now);
    void reclaim(uint32_t now);
    void giveUpOldest(uint32_t bytes, uint32_t now, uint32_t keepSlot);

    std::map<uint32_t, Entry> slots_;  // by slot index
    std::map<uint32_t, uint32_t> free_;  // offset -> size, merged
    std::vector<Released> released_;
    std::vector<uint32_t> emptied_;
    uint64_t order_ = 0;
};

} // namespace lume
