#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "painter/bmp_header.h"

using namespace lume;

namespace {

void Put(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A whole BMP file with the given header size and pixel format.
std::vector<uint8_t> MakeBmp(uint32_t headerSize, int32_t width, int32_t height, uint16_t bits,
                             uint32_t compression = 0)
{
    const bool core = headerSize == 12;
    const uint32_t colors = bits <= 8 ? 1u << bits : 0;
    const uint32_t table = colors * (core ? 3 : 4) + (compression == 3 ? 12 : 0);
    const uint32_t offset = 14 + headerSize + table;
    const uint32_t stride = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
    const uint32_t pixels = stride * static_cast<uint32_t>(height < 0 ? -height : height);
    std::vector<uint8_t> bytes(offset + pixels, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put(bytes, 2, static_cast<uint32_t>(bytes.size()), 4);
    Put(bytes, 10, offset, 4);
    Put(bytes, 14, headerSize, 4);
    if (core) {
        Put(bytes, 18, static_cast<uint32_t>(width), 2);
        Put(bytes, 20, static_cast<uint32_t>(height), 2);
        Put(bytes, 22, 1, 2);
        Put(bytes, 24, bits, 2);
    } else if (headerSize >= 40) {
        Put(bytes, 18, static_cast<uint32_t>(width), 4);
        Put(bytes, 22, static_cast<uint32_t>(height), 4);
        Put(bytes, 26, 1, 2);
        Put(bytes, 28, bits, 2);
        Put(bytes, 30, compression, 4);
        Put(bytes, 34, pixels, 4);
    }
    return bytes;
}

BmpVerdict Verdict(const std::vector<uint8_t>& bytes, uint64_t fileSize)
{
    return CheckBmpHeader(bytes.data(), std::min(bytes.size(), BmpHeadBytes), fileSize).verdict;
}
BmpVerdict Verdict(const std::vector<uint8_t>& bytes) { return Verdict(bytes, bytes.size()); }

} // namespace

TEST(BmpHeader, AcceptsCoreAndInfoHeaders)
{
    for (uint16_t bits : {1, 4, 8, 24}) {
        EXPECT_EQ(Verdict(MakeBmp(12, 33, 17, bits)), BmpVerdict::Valid) << bits;
        EXPECT_EQ(Verdict(MakeBmp(40, 33, 17, bits)), BmpVerdict::Valid) << bits;
    }
    EXPECT_EQ(Verdict(MakeBmp(40, 5, 5, 16)), BmpVerdict::Valid);
    EXPECT_EQ(Verdict(MakeBmp(40, 5, 5, 32, 3)), BmpVerdict::Valid);
    EXPECT_EQ(Verdict(MakeBmp(40, 5, -5, 32)), BmpVerdict::Valid);  // top-down
    BmpCheck check = CheckBmpHeader(MakeBmp(40, 300, 20, 24).data(), BmpHeadBytes, MakeBmp(40, 300, 20, 24).size());
    EXPECT_EQ(check.layout.width, 300);
    EXPECT_EQ(check.layout.height, 20);
    EXPECT_EQ(check.layout.pixelBytes, 900u * 20);
}

TEST(BmpHeader, RejectsWhatItCannotRead)
{
    EXPECT_EQ(Verdict({}, 0), BmpVerdict::Empty);
    // Other header sizes, another signature.
    EXPECT_EQ(Verdict(MakeBmp(108, 8, 8, 24)), BmpVerdict::Invalid);
    EXPECT_EQ(Verdict(MakeBmp(124, 8, 8, 24)), BmpVerdict::Invalid);
    auto ba = MakeBmp(40, 8, 8, 24);
    ba[1] = 'A';
    EXPECT_EQ(Verdict(ba), BmpVerdict::Invalid);
    // Cut short anywhere: in the file header, the info header, the palette, the pixels.
    auto whole = MakeBmp(40, 8, 8, 8);
    for (size_t size : {size_t{1}, size_t{13}, size_t{16}, size_t{30}, size_t{60}, whole.size() - 1}) {
        std::vector<uint8_t> cut(whole.begin(), whole.begin() + size);
        EXPECT_EQ(Verdict(cut), BmpVerdict::CutShort) << size;
    }
    // Pixel data declared past the end of the file.
    auto far = MakeBmp(40, 8, 8, 24);
    Put(far, 10, 0x7FFFFFF0, 4);
    EXPECT_EQ(Verdict(far), BmpVerdict::CutShort);
    // Dimensions over 64 MiB of pixels, whatever the file claims to hold.
    auto huge = MakeBmp(40, 8, 8, 24);
    Put(huge, 18, 40000, 4);
    Put(huge, 22, 40000, 4);
    EXPECT_EQ(Verdict(huge, 1ull << 40), BmpVerdict::Invalid);
    auto hugeCore = MakeBmp(12, 8, 8, 24);
    Put(hugeCore, 18, 65535, 2);
    Put(hugeCore, 20, 65535, 2);
    EXPECT_EQ(Verdict(hugeCore, 1ull << 40), BmpVerdict::Invalid);
    // Nonsense fields.
    auto zeroWide = MakeBmp(40, 8, 8, 24);
    Put(zeroWide, 18, 0, 4);
    EXPECT_EQ(Verdict(zeroWide), BmpVerdict::Invalid);
    auto negativeWide = MakeBmp(40, 8, 8, 24);
    Put(negativeWide, 18, static_cast<uint32_t>(-8), 4);
    EXPECT_EQ(Verdict(negativeWide), BmpVerdict::Invalid);
    auto oddBits = MakeBmp(40, 8, 8, 24);
    Put(oddBits, 28, 7, 2);
    EXPECT_EQ(Verdict(oddBits), BmpVerdict::Invalid);
    auto jpeg = MakeBmp(40, 8, 8, 24);
    Put(jpeg, 30, 4, 4);
    EXPECT_EQ(Verdict(jpeg), BmpVerdict::Invalid);
    auto planes = MakeBmp(40, 8, 8, 24);
    Put(planes, 26, 2, 2);
    EXPECT_EQ(Verdict(planes), BmpVerdict::Invalid);
    auto manyColors = MakeBmp(40, 8, 8, 4);
    Put(manyColors, 46, 17, 4);
    EXPECT_EQ(Verdict(manyColors), BmpVerdict::Invalid);
    auto offsetInHeader = MakeBmp(40, 8, 8, 24);
    Put(offsetInHeader, 10, 20, 4);
    EXPECT_EQ(Verdict(offsetInHeader), BmpVerdict::Invalid);
}
