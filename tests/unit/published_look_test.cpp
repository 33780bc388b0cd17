#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <vector>

#include "publish/look_block.h"

using namespace lume;

namespace {

constexpr uint32_t Owner = 0x10020, Process = 77;

LookSource Sample(const std::vector<uint32_t>& texture, int32_t width, int32_t height)
{
    static const std::vector<uint32_t> gradient(GradientWidth * GradientHeight, 0x123456);
    LookSource source;
    source.owner = Owner;
    source.ownerProcess = Process;
    source.generation = 3;
    source.common.NormalYShift = 5000;  // beyond the limit
    source.common.ShadowShift = 2;
    source.common.Composed = ComposedFrames::Classic;
    source.tint[ActiveLook] = 0x00ABCDEF;
    source.colours[ActiveLook] = {0xFF, 0xFF00};
    source.surfaces[ActiveLook] = {SurfaceKind::Texture, width, height, texture.data()};
    source.surfaces[InactiveLook] = {SurfaceKind::Gradation, GradientWidth, GradientHeight, gradient.data()};
    source.fonts[NormalFontIndex].assign(LookFontBytes, 0x41);
    source.leftAlone = {u"Notepad.EXE", u"calc.exe"};
    return source;
}

bool Reads(std::vector<uint8_t> block, uint64_t viewSize = 0)
{
    LookCopy copy;
    return ReadPublishedLook(block.data(), viewSize ? viewSize : block.size(), Owner, Process, copy);
}

template <class Field>
std::vector<uint8_t> With(std::vector<uint8_t> block, size_t offset, Field value)
{
    std::memcpy(block.data() + offset, &value, sizeof value);
    return block;
}

} // namespace

TEST(PublishedLook, WrittenAndReadBackWithItsLimits)
{
    const std::vector<uint32_t> texture(10000 * 2, 0xABCDEF);
    const std::vector<uint8_t> block = LookBlock(Sample(texture, 10000, 2));
    LookCopy copy;
    ASSERT_TRUE(ReadPublishedLook(block.data(), block.size(), Owner, Process, copy));
    EXPECT_EQ(copy.generation, 3u);
    EXPECT_EQ(copy.common.NormalYShift, LookShiftLimit);
    EXPECT_EQ(copy.common.ShadowShift, 2);
    EXPECT_EQ(copy.colours[ActiveLook].Shadow, 0xFF00u);
    EXPECT_EQ(copy.common.Composed, ComposedFrames::Classic);
    EXPECT_EQ(copy.tint[ActiveLook], 0x00ABCDEFu);
    EXPECT_EQ(copy.tint[InactiveLook], SystemFrameColour);
    // A choice the hook does not know is the default one.
    LookCopy unknown;
    ASSERT_TRUE(ReadPublishedLook(With(block, offsetof(PublishedLook, composed), 7u).data(), block.size(), Owner,
                                  Process, unknown));
    EXPECT_EQ(unknown.common.Composed, ComposedFrames::Tint);
    // A texture wider than the limit is its top-left part; the gradient whole.
    EXPECT_EQ(copy.surfaces[ActiveLook].width, LookTextureWidthLimit);
    EXPECT_EQ(copy.surfaces[InactiveLook].kind, SurfaceKind::Gradation);
    EXPECT_EQ(copy.surfaces[ActiveLook].pixels % 4, 0u);
    EXPECT_TRUE(copy.hasFont[NormalFontIndex]);
    EXPECT_FALSE(copy.hasFont[ToolFontIndex]);
    EXPECT_EQ(copy.fonts[NormalFontIndex][LookFontBytes - 1], 0);  // the face name ends
    const std::u16string path = u"C:\\Windows\\NOTEPAD.exe";
    const auto* units = reinterpret_cast<const uint16_t*>(path.data());
    const uint32_t start = FileNameStart(units, static_cast<uint32_t>(path.size()));
    EXPECT_TRUE(LeavesProgramAlone(block.data(), copy, units + start, static_cast<uint32_t>(path.size()) - start));
    const std::u16string other = u"game.exe";
    EXPECT_FALSE(LeavesProgramAlone(block.data(), copy, reinterpret_cast<const uint16_t*>(other.data()), 8));
    EXPECT_FALSE(IsLookRetired(block.data()));
}

TEST(PublishedLook, AnythingOutOfItsBoundsIsRefused)
{
    const std::vector<uint32_t> texture(32 * 32, 1);
    const std::vector<uint8_t> block = LookBlock(Sample(texture, 32, 32));
    LookCopy copy;
    EXPECT_FALSE(ReadPublishedLook(block.data(), block.size(), Owner + 4, Process, copy));
    EXPECT_FALSE(ReadPublishedLook(block.data(), block.size(), Owner, Process + 1, copy));
    EXPECT_FALSE(Reads(block, block.size() - 4));  // a view shorter than the look says
    const size_t texture0 = offsetof(PublishedLook, surfaces) + ActiveLook * sizeof(PublishedSurface);
    const uint32_t size = static_cast<uint32_t>(block.size()), header = sizeof(PublishedLook);
    const std::pair<size_t, uint32_t> breaks[] = {
        {offsetof(PublishedLook, magic), 0},
        {offsetof(PublishedLook, size), LookSizeLimit + 4},
        {texture0 + offsetof(PublishedSurface, pixels), size - 8},  // past the end
        {texture0 + offsetof(PublishedSurface, pixels), header + 2},  // unaligned
        {texture0 + offsetof(PublishedSurface, pixels), 0},  // inside the header
        {texture0 + offsetof(PublishedSurface, width), LookTextureWidthLimit + 1},
        {texture0 + offsetof(PublishedSurface, kind), 7},  // no such surface
        {offsetof(PublishedLook, surfaces) + offsetof(PublishedSurface, width), GradientWidth * 2},
        {offsetof(PublishedLook, leftAloneBytes), size},
        {offsetof(PublishedLook, leftAloneCount), LookLeftAloneLimit + 1},
    };
    for (const auto& [offset, value] : breaks)
        EXPECT_FALSE(Reads(With(block, offset, value))) << offset << " = " << value;
    // A name's length beyond the list ends the search, and nothing is read past it.
    std::vector<uint8_t> longName = With(block, offsetof(PublishedLook, leftAloneBytes), 6u);
    ASSERT_TRUE(ReadPublishedLook(longName.data(), longName.size(), Owner, Process, copy));
    const uint16_t name[] = {'c', 'a', 'l', 'c'};
    EXPECT_FALSE(LeavesProgramAlone(longName.data(), copy, name, 4));
}

TEST(PublishedLook, AViewWhoseTailIsNotCommittedIsReadNoFurtherThanItsRegion)
{
    // Two pages, the second one inaccessible: the look claims both.
    const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    auto* view = static_cast<uint8_t*>(mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(view, MAP_FAILED);
    const std::vector<uint32_t> texture(16 * 16, 1);
    std::vector<uint8_t> block = LookBlock(Sample(texture, 16, 16));
    block.resize(2 * page);
    block = With(block, offsetof(PublishedLook, size), static_cast<uint32_t>(2 * page));
    const size_t texturePixels = offsetof(PublishedLook, surfaces) + ActiveLook * sizeof(PublishedSurface) +
                                 offsetof(PublishedSurface, pixels);
    block = With(block, texturePixels, static_cast<uint32_t>(page + 64));
    std::memcpy(view, block.data(), page);
    ASSERT_EQ(mprotect(view + page, page, PROT_NONE), 0);
    LookCopy copy;
    EXPECT_FALSE(ReadPublishedLook(view, page, Owner, Process, copy));  // the region the view check found
    munmap(view, 2 * page);
}
