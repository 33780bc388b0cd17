// Checks of a BMP file's headers before any pixel is decoded: only "BM"
// files with a 12-byte (core) or 40-byte (info) header, whose declared pixel
// data the file holds, and no bitmap over 64 MiB of pixels.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lume {

constexpr uint64_t MaxBitmapPixelBytes = 64ull << 20;  // decoded at 32 bits per pixel
// Enough of a file for every header check: file header, info header, bit
// masks and the largest palette.
constexpr size_t BmpHeadBytes = 14 + 40 + 12 + 256 * 4;

enum class BmpVerdict {
    Valid,
    Empty,     // a file of zero bytes: an empty bitmap
    Invalid,   // not a bitmap this program reads
    CutShort,  // ends before what its headers declare
};

struct BmpLayout {
    uint32_t headerSize = 0;  // 12 or 40
    int32_t width = 0;
    int32_t height = 0;       // rows; negative in a top-down 40-byte file
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t pixelOffset = 0;  // from the start of the file
    uint64_t pixelBytes = 0;
};

struct BmpCheck {
    BmpVerdict verdict = BmpVerdict::Invalid;
    BmpLayout layout;
};

// `head` holds the first min(fileSize, BmpHeadBytes) bytes of the file.
BmpCheck CheckBmpHeader(const uint8_t* head, size_t headBytes, uint64_t fileSize) noexcept;

} // namespace lume
