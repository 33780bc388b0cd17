#include "painter/caption_publication.h"

#include <algorithm>
#include <cstring>
#include <string>


namespace lume {

std::vector<Rect> PublishedPieces(const CaptionLayout& layout)
{
    const Rect window{0, 0, layout.WindowBox.right + 1, layout.WindowBox.bottom + 1};
    std::vector<Rect> pieces;
    for (const Rect& part : PaintedArea(layout, true)) {
        std::vector<Rect> left{IntersectRects(part, window)};
        for (const Rect& button : LeftAlone(layout, true)) {
            std::vector<Rect> next;
            for (const Rect& r : left)
                for (const Rect& rest : SubtractRect(r, button))
                    next.push_back(rest);
            left = std::move(next);
        }
        for (const Rect& r : left)
            if (!r.empty())
                pieces.push_back(r);
    }
    if (pieces.size() > PublishedPieceLimit)
        return {};
    return pieces;
}

std::optional<std::vector<uint8_t>> PublishedBlock(const std::u16string& title, const std::vector<Rect>& pieces,
                                                   const BandPixels& composed)
{
    const size_t units = std::min<size_t>(title.size(), PublishedTitleUnits);
    std::vector<uint8_t> block(PublishedTitleBytes(static_cast<uint32_t>(units)));
    std::memcpy(block.data(), title.data(), units * 2);
    for (const Rect& piece : pieces) {
        const PublishedPiece place{piece.left, piece.top, piece.width(), piece.height()};
        const auto* bytes = reinterpret_cast<const uint8_t*>(&place);
        block.insert(block.end(), bytes, bytes + sizeof place);
    }
    for (const Rect& piece : pieces) {
        if (piece.left < 0 || piece.right > composed.width)
            return std::nullopt;
        for (int32_t y = piece.top; y < piece.bottom; ++y) {
            const int32_t row = composed.bands.rowOf(y);
            if (row < 0)
                return std::nullopt;
            const uint32_t* from =
                composed.pixels + static_cast<size_t>(row) * static_cast<size_t>(composed.width) + piece.left;
            const auto* bytes = reinterpret_cast<const uint8_t*>(from);
            block.insert(block.end(), bytes, bytes + static_cast<size_t>(piece.width()) * 4);
        }
    }
    return block;
}

namespace {

template <class Field>
void Put(Field& field, Field value) noexcept
{
    __atomic_store_n(&field, value, __ATOMIC_RELAXED);
}

// Odd from now until Finish.
uint32_t Begin(uint32_t& sequence) noexcept
{
    const uint32_t writing = (__atomic_load_n(&sequence, __ATOMIC_RELAXED) + 1) | 1;
    Put(sequence, writing);
    __atomic_thread_fence(__ATOMIC_RELEASE);
    return writing;
}

void Finish(uint32_t& sequence, uint32_t writing) noexcept { __atomic_store_n(&sequence, writing + 1, __ATOMIC_RELEASE); }

PublishedSlot& SlotAt(uint8_t* mapping, uint32_t index) noexcept
{
    return reinterpret_cast<PublishedSlot*>(mapping + PublishedSlotsStart)[index];
}

} // namespace

void WritePublishedSlot(uint8_t* mapping, uint32_t index, const PublishedSlot& fields) noexcept
{
    PublishedSlot& s = SlotAt(mapping, index);
    const uint32_t writing = Begin(s.sequence);
    Put(s.epoch, fields.epoch);
    Put(s.window, fields.window);
    Put(s.active, fields.active);
    Put(s.width, fields.width);
    Put(s.height, fields.height);
    Put(s.style, fields.style);
    Put(s.exStyle, fields.exStyle);
    Put(s.titleLength, fields.titleLength);
    Put(s.pieceCount, fields.pieceCount);
    Put(s.offset, fields.offset);
    Put(s.size, fields.size);
    Finish(s.sequence, writing);
}

void EmptyPublishedSlot(uint8_t* mapping, uint32_t index) noexcept
{
    __atomic_store_n(&SlotAt(mapping, index).sequence, 0u, __ATOMIC_RELEASE);
}

void WriteLeftAlone(uint8_t* mapping, const std::vector<uint32_t>& processes) noexcept
{
    auto& header = *reinterpret_cast<PublishedHeader*>(mapping);
    const uint32_t writing = Begin(header.excludedSequence);
    const auto count = static_cast<uint32_t>(std::min<size_t>(processes.size(), PublishedExcludedCount));
    for (uint32_t i = 0; i < count; ++i)
        Put(header.excluded[i], processes[i]);
    Put(header.excludedCount, count);
    Finish(header.excludedSequence, writing);
}

} // namespace lume
