// Builds BMP files for tests, good or broken on purpose.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace lume::test {

inline void PutLittleEndian(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A whole BMP file: `headerSize` 12 (core) or 40 (info), and larger sizes
// whose extra fields stay zero. For 8 bits and fewer the palette holds grey
// levels (entry i = (i, i, i)); `pixel(x, y)` gives the byte (palette index)
// or the 0x00RRGGBB colour (24 bits) of each pixel.
inline std::vector<uint8_t> MakeBmp(uint32_t headerSize, int32_t width, int32_t height, uint16_t bits,
                                    uint32_t compression = 0,
                                    const std::function<uint32_t(int, int)>& pixel = nullptr)
{
    const bool core = headerSize == 12;
    const uint32_t colors = bits <= 8 ? 1u << bits : 0;
    const uint32_t entry = core ? 3 : 4;
    const uint32_t table = colors * entry + (compression == 3 ? 12 : 0);
    const uint32_t offset = 14 + headerSize + table;
    const uint32_t stride = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
    const uint32_t rows = static_cast<uint32_t>(height < 0 ? -height : height);
    std::vector<uint8_t> bytes(offset + stride * rows, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLittleEndian(bytes, 2, static_cast<uint32_t>(bytes.size()), 4);
    PutLittleEndian(bytes, 10, offset, 4);
    PutLittleEndian(bytes, 14, headerSize, 4);
    if (core) {
        PutLittleEndian(bytes, 18, static_cast<uint32_t>(width), 2);
        PutLittleEndian(bytes, 20, static_cast<uint32_t>(height), 2);
        PutLittleEndian(bytes, 22, 1, 2);
        PutLittleEndian(bytes, 24, bits, 2);
    } else {
        PutLittleEndian(bytes, 18, static_cast<uint32_t>(width), 4);
        PutLittleEndian(bytes, 22, static_cast<uint32_t>(height), 4);
        PutLittleEndian(bytes, 26, 1, 2);
        PutLittleEndian(bytes, 28, bits, 2);
        PutLittleEndian(bytes, 30, compression, 4);
        PutLittleEndian(bytes, 34, stride * rows, 4);
    }
    for (uint32_t i = 0; i < colors; ++i)
        for (uint32_t c = 0; c < 3; ++c)
            bytes[14 + headerSize + i * entry + c] = static_cast<uint8_t>(i * 255 / (colors - 1));
    if (pixel && (bits == 8 || bits == 24)) {
        for (uint32_t row = 0; row < rows; ++row) {
            const int y = height < 0 ? static_cast<int>(row) : static_cast<int>(rows - 1 - row);
            for (int x = 0; x < width; ++x) {
                uint32_t value = pixel(x, y);
                uint8_t* at = &bytes[offset + row * stride + x * (bits / 8)];
                if (bits == 8) {
                    at[0] = static_cast<uint8_t>(value);
                } else {
                    at[0] = static_cast<uint8_t>(value);        // blue
                    at[1] = static_cast<uint8_t>(value >> 8);   // green
                    at[2] = static_cast<uint8_t>(value >> 16);  // red
                }
            }
        }
    }
    return bytes;
}

} // namespace lume::test
