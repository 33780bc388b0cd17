#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "core/win_constants.h"
#include "look/bmp_header.h"
#include "compose/caption_drawing.h"

using namespace lume;

namespace {

std::vector<Rect> TextureTiles(const Rect& caption, int32_t width, int32_t height)
{
    std::vector<Rect> tiles;
    ForEachTextureTile(caption, width, height, [&](const Rect& tile) { tiles.push_back(tile); });
    return tiles;
}

} // namespace

TEST(CaptionDrawing, GradientColumns)
{
    const Color black = RgbColor(0, 0, 0), white = RgbColor(255, 255, 255);
    EXPECT_EQ(GradientColumn(black, white, 0), black);
    EXPECT_EQ(GradientColumn(black, white, 128), RgbColor(127, 127, 127));
    EXPECT_EQ(GradientColumn(black, white, 255), RgbColor(254, 254, 254));
    // Channels stay apart: no carry from one into the next.
    EXPECT_EQ(GradientColumn(RgbColor(255, 0, 200), RgbColor(254, 0, 255), 77), RgbColor(254, 0, 215));
    EXPECT_EQ(GradientColumn(RgbColor(128, 0, 0), RgbColor(0, 0, 128), 64), RgbColor(96, 0, 32));
    for (int column : {0, 100, 255})
        EXPECT_EQ(GradientColumn(RgbColor(80, 80, 80), RgbColor(80, 80, 80), column), RgbColor(80, 80, 80));
}

TEST(CaptionDrawing, TextureTilesFromTheCaptionsTopLeft)
{
    std::vector<Rect> tiles = TextureTiles({4, 4, 396, 22}, 32, 32);
    ASSERT_EQ(tiles.size(), 13u);
    for (size_t i = 0; i < tiles.size(); ++i) {
        EXPECT_EQ(tiles[i].left, 4 + 32 * static_cast<int>(i));
        EXPECT_EQ(tiles[i].top, 4);
        EXPECT_EQ(tiles[i].height(), 18);
    }
    EXPECT_EQ(tiles.back().width(), 8);
    EXPECT_EQ(tiles.back().left, 388);
    // Taller captions get rows of tiles; textures without pixels, none.
    EXPECT_EQ(TextureTiles({0, 0, 10, 70}, 32, 32).size(), 3u);
    EXPECT_EQ(TextureTiles({0, 0, 10, 70}, 32, 32).back(), (Rect{0, 64, 10, 70}));
    EXPECT_TRUE(TextureTiles({4, 4, 396, 22}, 0, 32).empty());
    EXPECT_TRUE(TextureTiles({4, 4, 396, 22}, 32, 0).empty());
    EXPECT_TRUE(TextureTiles({4, 4, 4, 22}, 32, 32).empty());
    EXPECT_EQ(TextureTiles({0, 0, INT32_MAX, 1}, INT32_MAX, 1).size(), 1u);
}

TEST(CaptionDrawing, SubstituteTextureStripesAndItsPicture)
{
    const int expected[32] = {85, 113, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 113, 85,
                              41, 13,  0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   13,  41};
    for (int k = 0; k < 32; ++k)
        EXPECT_EQ(SubstituteTexturePixel(k, 0), RgbColor(expected[k], expected[k], 0)) << k;
    EXPECT_EQ(SubstituteTexturePixel(31, 31), SubstituteTexturePixel(30, 0));

    // The picture in the resources holds exactly these pixels.
    std::ifstream file(LUME_SOURCE_DIR "/resources/substitute_texture.bmp", std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    BmpCheck check = CheckBmpHeader(bytes.data(), std::min(bytes.size(), BmpHeadBytes), bytes.size());
    ASSERT_EQ(check.verdict, BmpVerdict::Valid);
    ASSERT_EQ(check.layout.width, 32);
    ASSERT_EQ(check.layout.height, 32);
    ASSERT_EQ(check.layout.bitCount, 24);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const uint8_t* bgr = &bytes[check.layout.pixelOffset + (31 - y) * 96 + x * 3];
            ASSERT_EQ(RgbColor(bgr[2], bgr[1], bgr[0]), SubstituteTexturePixel(x, y)) << x << "," << y;
        }
}

TEST(CaptionDrawing, WorkedExampleTextEdgeAndGrooves)
{
    CaptionLayout layout;
    layout.CaptionRect = {4, 4, 396, 22};
    layout.WindowBox = {0, 0, 399, 299};
    layout.TextLimitX = 344;
    layout.ButtonAreaX = 344;
    layout.TextXShift = 3;
    layout.TextYShift = 1;
    EXPECT_EQ(CaptionTextClip(layout), (Rect{4, 4, 341, 23}));
    EXPECT_EQ(CaptionShadowOrigin(layout, 2), (Point{9, 7}));
    EXPECT_EQ(CaptionLetterOrigin(layout), (Point{7, 5}));
    EXPECT_EQ(CaptionShadowOrigin(layout, -1), (Point{6, 4}));
    EXPECT_EQ(CaptionStripExclusion(layout), (Rect{4, 4, 342, 22}));

    const Color W = EdgeWhite, G = EdgeGrey;
    EXPECT_EQ(CaptionEdgeLines(layout.CaptionRect),
              (std::vector<LineSegment>{{{3, 22}, {396, 22}, W}, {{396, 22}, {396, 2}, W},
                                        {{3, 21}, {3, 3}, G}, {{3, 3}, {396, 3}, G}}));
    EXPECT_EQ(SizingGrooveLines(22, layout.WindowBox, 4, 4),
              (std::vector<LineSegment>{
                  {{0, 21}, {4, 21}, G},       {{21, 0}, {21, 4}, G},       {{376, 0}, {376, 4}, G},
                  {{398, 21}, {395, 21}, G},   {{398, 276}, {395, 276}, G}, {{376, 298}, {376, 295}, G},
                  {{21, 298}, {21, 295}, G},   {{0, 276}, {4, 276}, G},     {{1, 22}, {4, 22}, W},
                  {{22, 1}, {22, 4}, W},       {{377, 1}, {377, 4}, W},     {{398, 22}, {395, 22}, W},
                  {{398, 277}, {395, 277}, W}, {{377, 298}, {377, 295}, W}, {{22, 298}, {22, 295}, W},
                  {{1, 277}, {4, 277}, W}}));
}

TEST(CaptionDrawing, ProtectedButtonsInExclusionOrder)
{
    CaptionLayout layout;
    layout.CloseButtonRect = {378, 6, 394, 20};
    layout.MaxButtonRect = {360, 6, 376, 20};
    layout.MinButtonRect = {344, 6, 360, 20};
    layout.Style = win::WsMinimizeBox;
    layout.ProtectCloseButton = layout.ProtectOtherButtons = true;
    EXPECT_EQ(ProtectedButtonRects(layout),
              (std::vector<Rect>{layout.CloseButtonRect, layout.MaxButtonRect, layout.MinButtonRect}));
    layout.Style = 0;
    layout.ExStyle = win::WsExContextHelp;
    EXPECT_EQ(ProtectedButtonRects(layout), (std::vector<Rect>{layout.CloseButtonRect, layout.MaxButtonRect}));
    layout.ExStyle = 0;
    EXPECT_EQ(ProtectedButtonRects(layout), (std::vector<Rect>{layout.CloseButtonRect}));
    layout.ProtectOtherButtons = false;
    layout.Style = win::WsMinimizeBox;
    EXPECT_EQ(ProtectedButtonRects(layout), (std::vector<Rect>{layout.CloseButtonRect}));
    layout.ProtectCloseButton = false;
    EXPECT_TRUE(ProtectedButtonRects(layout).empty());
}
