#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "look/bmp_header.h"
#include "tests/common/bmp_writer.h"

using namespace lume;
using lume::test::MakeBmp;

namespace {

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
    lume::test::PutLittleEndian(far, 10, 0x7FFFFFF0, 4);
    EXPECT_EQ(Verdict(far), BmpVerdict::CutShort);
    // Dimensions over 64 MiB of pixels, whatever the file claims to hold.
    auto huge = MakeBmp(40, 8, 8, 24);
    lume::test::PutLittleEndian(huge, 18, 40000, 4);
    lume::test::PutLittleEndian(huge, 22, 40000, 4);
    EXPECT_EQ(Verdict(huge, 1ull << 40), BmpVerdict::Invalid);
    auto hugeCore = MakeBmp(12, 8, 8, 24);
    lume::test::PutLittleEndian(hugeCore, 18, 65535, 2);
    lume::test::PutLittleEndian(hugeCore, 20, 65535, 2);
    EXPECT_EQ(Verdict(hugeCore, 1ull << 40), BmpVerdict::Invalid);
    // Nonsense fields.
    auto zeroWide = MakeBmp(40, 8, 8, 24);
    lume::test::PutLittleEndian(zeroWide, 18, 0, 4);
    EXPECT_EQ(Verdict(zeroWide), BmpVerdict::Invalid);
    auto negativeWide = MakeBmp(40, 8, 8, 24);
    lume::test::PutLittleEndian(negativeWide, 18, static_cast<uint32_t>(-8), 4);
    EXPECT_EQ(Verdict(negativeWide), BmpVerdict::Invalid);
    auto oddBits = MakeBmp(40, 8, 8, 24);
    lume::test::PutLittleEndian(oddBits, 28, 7, 2);
    EXPECT_EQ(Verdict(oddBits), BmpVerdict::Invalid);
    auto jpeg = MakeBmp(40, 8, 8, 24);
    lume::test::PutLittleEndian(jpeg, 30, 4, 4);
    EXPECT_EQ(Verdict(jpeg), BmpVerdict::Invalid);
    auto planes = MakeBmp(40, 8, 8, 24);
    lume::test::PutLittleEndian(planes, 26, 2, 2);
    EXPECT_EQ(Verdict(planes), BmpVerdict::Invalid);
    auto manyColors = MakeBmp(40, 8, 8, 4);
    lume::test::PutLittleEndian(manyColors, 46, 17, 4);
    EXPECT_EQ(Verdict(manyColors), BmpVerdict::Invalid);
    auto offsetInHeader = MakeBmp(40, 8, 8, 24);
    lume::test::PutLittleEndian(offsetInHeader, 10, 20, 4);
    EXPECT_EQ(Verdict(offsetInHeader), BmpVerdict::Invalid);
}

TEST(BmpHeader, ColourTableOfDeeperBitmapsIsCountedAndBounded)
{
    // 24 and 32 bits per pixel with biClrUsed: the table lies between the
    // headers (and masks) and the pixels, and must be in the file.
    for (uint32_t compression : {0u, 3u}) {
        auto withTable = MakeBmp(40, 1, 1, 32, compression);
        lume::test::PutLittleEndian(withTable, 46, 2, 4);
        EXPECT_EQ(Verdict(withTable), BmpVerdict::CutShort) << "the file lacks the two entries";
        withTable.insert(withTable.begin() + 54 + (compression ? 12 : 0), 8, 0);
        lume::test::PutLittleEndian(withTable, 10, static_cast<uint32_t>(withTable.size() - 4), 4);
        EXPECT_EQ(Verdict(withTable), BmpVerdict::Valid) << compression;
    }
    // More entries than a head holds, up to the largest count: refused.
    for (uint32_t colors : {257u, 0x10000u, 0xFFFFFFFFu}) {
        auto tooMany = MakeBmp(40, 1, 1, 24);
        lume::test::PutLittleEndian(tooMany, 46, colors, 4);
        EXPECT_EQ(Verdict(tooMany, 1ull << 30), BmpVerdict::Invalid) << colors;
    }
}
