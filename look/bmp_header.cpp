#include "look/bmp_header.h"

#include <optional>

namespace lume {

namespace {

constexpr uint32_t BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3;

uint32_t Read16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t Read32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }

bool ValidBitCount(uint32_t bits, bool core)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 24 || (!core && (bits == 16 || bits == 32));
}

// The fields of a 12-byte (core) or 40-byte info header.
void ReadInfoHeader(const uint8_t* info, bool core, BmpLayout& layout, uint32_t& planes, uint32_t& colorsUsed)
{
    if (core) {
        layout.width = static_cast<int32_t>(Read16(info + 4));
        layout.height = static_cast<int32_t>(Read16(info + 6));
        planes = Read16(info + 8);
        layout.bitCount = static_cast<uint16_t>(Read16(info + 10));
    } else {
        layout.width = static_cast<int32_t>(Read32(info + 4));
        layout.height = static_cast<int32_t>(Read32(info + 8));
        planes = Read16(info + 12);
        layout.bitCount = static_cast<uint16_t>(Read16(info + 14));
        layout.compression = Read32(info + 16);
        colorsUsed = Read32(info + 32);
    }
}

// What lies between the info header and the pixels, a palette or bit
// masks, in bytes; nothing for a compression or table this program refuses.
std::optional<uint64_t> TableBytes(const BmpLayout& layout, bool core, uint32_t colorsUsed)
{
    uint64_t tableBytes = 0;
    const uint32_t bits = layout.bitCount;
    switch (layout.compression) {
    case BiRgb:
        break;
    case BiRle8:
    case BiRle4:
        if (bits != (layout.compression == BiRle8 ? 8u : 4u) || layout.height < 0)
            return std::nullopt;
        break;
    case BiBitfields:
        if (bits != 16 && bits != 32)
            return std::nullopt;
        tableBytes = 12;
        break;
    default:
        return std::nullopt;
    }
    if (bits <= 8) {
        const uint64_t maxColors = 1ull << bits;
        if (colorsUsed > maxColors)
            return std::nullopt;
        return (colorsUsed ? colorsUsed : maxColors) * (core ? 3 : 4);
    }
    // A colour table that deeper bitmaps may carry too: the platform reads it
    // with the headers, so the file must hold it, and it is never longer than
    // the 256 entries a head of BmpHeadBytes holds.
    if (colorsUsed > 256)
        return std::nullopt;
    return tableBytes + uint64_t{colorsUsed} * 4;
}

} // namespace

BmpCheck CheckBmpHeader(const uint8_t* head, size_t headBytes, uint64_t fileSize) noexcept
{
    BmpCheck check;
    BmpLayout& layout = check.layout;
    auto verdict = [&](BmpVerdict v) {
        check.verdict = v;
        return check;
    };
    if (fileSize == 0)
        return verdict(BmpVerdict::Empty);
    if (fileSize < 14 || headBytes < 14)
        return verdict(BmpVerdict::CutShort);
    if (head[0] != 'B' || head[1] != 'M')
        return verdict(BmpVerdict::Invalid);
    if (fileSize < 18 || headBytes < 18)
        return verdict(BmpVerdict::CutShort);
    layout.headerSize = Read32(head + 14);
    const bool core = layout.headerSize == 12;
    if (!core && layout.headerSize != 40)
        return verdict(BmpVerdict::Invalid);
    if (fileSize < 14 + layout.headerSize || headBytes < 14 + layout.headerSize)
        return verdict(BmpVerdict::CutShort);

    const uint8_t* info = head + 14;
    uint32_t planes = 0, colorsUsed = 0;
    ReadInfoHeader(info, core, layout, planes, colorsUsed);
    const uint64_t rows = layout.height < 0 ? -static_cast<int64_t>(layout.height) : layout.height;
    if (layout.width <= 0 || rows == 0 || planes != 1 || !ValidBitCount(layout.bitCount, core))
        return verdict(BmpVerdict::Invalid);
    if (static_cast<uint64_t>(layout.width) * rows * 4 > MaxBitmapPixelBytes)
        return verdict(BmpVerdict::Invalid);

    const std::optional<uint64_t> tableBytes = TableBytes(layout, core, colorsUsed);
    if (!tableBytes)
        return verdict(BmpVerdict::Invalid);
    const uint32_t bits = layout.bitCount;

    if (layout.compression == BiRle8 || layout.compression == BiRle4) {
        layout.pixelBytes = Read32(info + 20);  // biSizeImage: RLE data has no fixed size
        if (layout.pixelBytes == 0 || layout.pixelBytes > MaxBitmapPixelBytes)
            return verdict(BmpVerdict::Invalid);
    } else {
        const uint64_t stride = (static_cast<uint64_t>(layout.width) * bits + 31) / 32 * 4;
        layout.pixelBytes = stride * rows;
    }
    layout.pixelOffset = Read32(head + 10);
    if (layout.pixelOffset < 14 + layout.headerSize)
        return verdict(BmpVerdict::Invalid);
    if (14 + layout.headerSize + *tableBytes > fileSize ||
        static_cast<uint64_t>(layout.pixelOffset) + layout.pixelBytes > fileSize)
        return verdict(BmpVerdict::CutShort);
    return verdict(BmpVerdict::Valid);
}

} // namespace lume
