// The hook's reader of published captions. It runs inside every process on
// the desktop, over bytes any process may be writing: every field is read
// once, checked, and only the checked copy is used. No C runtime.
#include "hooklib/published_captions.h"

#include <cstddef>

namespace lume {

namespace {

uint32_t Load(const uint8_t* mapping, uint64_t offset) noexcept
{
    return __atomic_load_n(reinterpret_cast<const uint32_t*>(mapping + offset), __ATOMIC_RELAXED);
}

uint32_t Acquire(const uint8_t* mapping, uint64_t offset) noexcept
{
    return __atomic_load_n(reinterpret_cast<const uint32_t*>(mapping + offset), __ATOMIC_ACQUIRE);
}

uint16_t LoadUnit(const uint8_t* mapping, uint64_t offset) noexcept
{
    return __atomic_load_n(reinterpret_cast<const uint16_t*>(mapping + offset), __ATOMIC_RELAXED);
}

bool IsOwnedBy(const uint8_t* mapping, uint32_t owner, uint32_t ownerProcess) noexcept
{
    return Load(mapping, offsetof(PublishedHeader, magic)) == PublishedMagic &&
           Load(mapping, offsetof(PublishedHeader, owner)) == owner &&
           Load(mapping, offsetof(PublishedHeader, ownerProcess)) == ownerProcess;
}

// The slot's fields as one read gave them.
struct SlotCopy {
    PublishedSlot fields;
    bool complete;
};

SlotCopy ReadSlot(const uint8_t* mapping, uint64_t at) noexcept
{
    SlotCopy copy{};
    copy.fields.sequence = Acquire(mapping, at + offsetof(PublishedSlot, sequence));
    copy.fields.epoch = Load(mapping, at + offsetof(PublishedSlot, epoch));
    copy.fields.window = Load(mapping, at + offsetof(PublishedSlot, window));
    copy.fields.active = Load(mapping, at + offsetof(PublishedSlot, active));
    copy.fields.width = static_cast<int32_t>(Load(mapping, at + offsetof(PublishedSlot, width)));
    copy.fields.height = static_cast<int32_t>(Load(mapping, at + offsetof(PublishedSlot, height)));
    copy.fields.style = Load(mapping, at + offsetof(PublishedSlot, style));
    copy.fields.exStyle = Load(mapping, at + offsetof(PublishedSlot, exStyle));
    copy.fields.titleLength = Load(mapping, at + offsetof(PublishedSlot, titleLength));
    copy.fields.pieceCount = Load(mapping, at + offsetof(PublishedSlot, pieceCount));
    copy.fields.offset = Load(mapping, at + offsetof(PublishedSlot, offset));
    copy.fields.size = Load(mapping, at + offsetof(PublishedSlot, size));
    copy.complete = copy.fields.sequence != 0 && (copy.fields.sequence & 1u) == 0;
    return copy;
}

bool SameTitle(const uint8_t* mapping, uint64_t at, const CaptionQuery& query, uint32_t length) noexcept
{
    if (length != query.titleLength)
        return false;
    for (uint32_t i = 0; i < length; ++i)
        if (LoadUnit(mapping, at + 2u * i) != query.title[i])
            return false;
    return true;
}

// The block's pieces, checked to lie in the window and, with their pixels,
// in the block; 0 when one does not.
uint32_t CopyPieces(const uint8_t* mapping, const PublishedSlot& slot, const CaptionQuery& query,
                    FoundPiece (&found)[PublishedPieceLimit]) noexcept
{
    const uint64_t blockEnd = static_cast<uint64_t>(slot.offset) + slot.size;
    const uint64_t piecesAt = static_cast<uint64_t>(slot.offset) + PublishedTitleBytes(slot.titleLength);
    uint64_t pixelsAt = piecesAt + static_cast<uint64_t>(slot.pieceCount) * sizeof(PublishedPiece);
    if (pixelsAt > blockEnd)
        return 0;
    for (uint32_t i = 0; i < slot.pieceCount; ++i) {
        const uint64_t at = piecesAt + static_cast<uint64_t>(i) * sizeof(PublishedPiece);
        PublishedPiece piece{static_cast<int32_t>(Load(mapping, at)), static_cast<int32_t>(Load(mapping, at + 4)),
                             static_cast<int32_t>(Load(mapping, at + 8)), static_cast<int32_t>(Load(mapping, at + 12))};
        if (piece.width <= 0 || piece.height <= 0 || piece.left < 0 || piece.top < 0 ||
            piece.width > query.width || piece.height > query.height || piece.left > query.width - piece.width ||
            piece.top > query.height - piece.height)
            return 0;
        const uint64_t bytes = static_cast<uint64_t>(piece.width) * static_cast<uint64_t>(piece.height) * 4u;
        if (bytes > blockEnd - pixelsAt)
            return 0;
        found[i] = {piece, static_cast<uint32_t>(pixelsAt)};
        pixelsAt += bytes;
    }
    return slot.pieceCount;
}

} // namespace

uint32_t FindPublishedCaption(const uint8_t* mapping, uint32_t mappingSize, const CaptionQuery& query,
                              TitleMatch titles, FoundPiece (&found)[PublishedPieceLimit]) noexcept
{
    if (!mapping || mappingSize < PublishedDataStart || query.titleLength > PublishedTitleUnits ||
        query.width <= 0 || query.height <= 0 || query.width > PublishedSideLimit ||
        query.height > PublishedSideLimit)
        return 0;
    if (!IsOwnedBy(mapping, query.owner, query.ownerProcess))
        return 0;
    const uint32_t epoch = Acquire(mapping, offsetof(PublishedHeader, epoch));
    if (epoch == 0)
        return 0;
    for (uint32_t probe = 0; probe < PublishedProbeLength; ++probe) {
        const uint64_t at = PublishedSlotsStart +
                            static_cast<uint64_t>(PublishedSlotIndex(query.window, query.active, probe)) *
                                sizeof(PublishedSlot);
        const SlotCopy copy = ReadSlot(mapping, at);
        const PublishedSlot& slot = copy.fields;
        if (!copy.complete || slot.window != query.window || slot.active != (query.active ? 1u : 0u))
            continue;
        if (slot.epoch != epoch || slot.width != query.width || slot.height != query.height ||
            slot.style != query.style || slot.exStyle != query.exStyle)
            return 0;
        if (slot.titleLength > PublishedTitleUnits || slot.pieceCount == 0 ||
            slot.pieceCount > PublishedPieceLimit || slot.offset % 4 != 0 || slot.offset < PublishedDataStart ||
            static_cast<uint64_t>(slot.offset) + slot.size > mappingSize ||
            PublishedTitleBytes(slot.titleLength) > slot.size)
            return 0;
        if (titles == TitleMatch::Exact && !SameTitle(mapping, slot.offset, query, slot.titleLength))
            return 0;
        const uint32_t pieces = CopyPieces(mapping, slot, query, found);
        // Written meanwhile, or everything withdrawn: nothing of it is used.
        __atomic_thread_fence(__ATOMIC_ACQUIRE);
        if (Load(mapping, at + offsetof(PublishedSlot, sequence)) != slot.sequence ||
            Load(mapping, offsetof(PublishedHeader, epoch)) != epoch)
            return 0;
        return pieces;
    }
    return 0;
}

bool MayBePublished(const uint8_t* mapping, uint32_t mappingSize, uint32_t owner, uint32_t window) noexcept
{
    if (!mapping || mappingSize < PublishedDataStart ||
        Load(mapping, offsetof(PublishedHeader, magic)) != PublishedMagic ||
        Load(mapping, offsetof(PublishedHeader, owner)) != owner ||
        Load(mapping, offsetof(PublishedHeader, epoch)) == 0)
        return false;
    for (int look = 0; look < 2; ++look)
        for (uint32_t probe = 0; probe < PublishedProbeLength; ++probe) {
            const uint64_t at = PublishedSlotsStart +
                                static_cast<uint64_t>(PublishedSlotIndex(window, look == 1, probe)) * sizeof(PublishedSlot);
            if (Load(mapping, at + offsetof(PublishedSlot, window)) == window &&
                Load(mapping, at + offsetof(PublishedSlot, sequence)) != 0)
                return true;
        }
    return false;
}

bool IsPublishedLeftAlone(const uint8_t* mapping, uint32_t mappingSize, uint32_t owner, uint32_t ownerProcess,
                          uint32_t processId) noexcept
{
    if (!mapping || mappingSize < PublishedDataStart || !IsOwnedBy(mapping, owner, ownerProcess) ||
        Load(mapping, offsetof(PublishedHeader, epoch)) == 0)
        return false;
    const uint32_t sequence = Acquire(mapping, offsetof(PublishedHeader, excludedSequence));
    if (sequence & 1u)
        return false;
    uint32_t count = Load(mapping, offsetof(PublishedHeader, excludedCount));
    if (count > PublishedExcludedCount)
        count = PublishedExcludedCount;
    bool listed = false;
    const uint64_t list = offsetof(PublishedHeader, excluded);
    for (uint32_t i = 0; i < count && !listed; ++i)
        listed = Load(mapping, list + 4u * i) == processId;
    __atomic_thread_fence(__ATOMIC_ACQUIRE);
    return listed && Load(mapping, offsetof(PublishedHeader, excludedSequence)) == sequence;
}

} // namespace lume
