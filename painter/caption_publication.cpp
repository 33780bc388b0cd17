#include "painter/caption_publication.h"

#include <cstring>
#include <string>

#include "hooklib/published_captions.h"

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

} // namespace lume
