// The caption layout and what is drawn from it, on random sizes, styles and
// metrics: no overflow trap, every list bounded.
#include "compose/caption_drawing.h"
#include "compose/caption_layout.h"
#include "settings/caption_settings.h"
#include "fallback/child_clip.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace lume;
    fuzz::Input input(data, size);
    auto small = [&] { return static_cast<int32_t>(input.take<int16_t>()); };
    SystemFrameMetrics system{small(), small(), small(), small(), small(), small()};
    CaptionSettings settings;
    settings.Common.NoButtons = input.take<uint8_t>() & 1;
    settings.Common.NoCloseButton = input.take<uint8_t>() & 1;
    settings.Common.NormalXShift = small();
    const int32_t width = small(), height = small();
    const CaptionLayout layout = LayoutCaption(width, height, input.take<uint32_t>(), input.take<uint32_t>(),
                                               CaptionMetricsFrom(system), settings, input.take<uint8_t>() & 1);
    CaptionTextClip(layout);
    CaptionShadowOrigin(layout, small());
    CaptionStripExclusion(layout);
    fuzz::Require(ProtectedButtonRects(layout).size() <= 3);
    fuzz::Require(CaptionEdgeLines(layout.CaptionRect).size() == 4);
    fuzz::Require(SizingGrooveLines(layout.CaptionRect.bottom, layout.WindowBox, layout.FrameX, layout.FrameY).size() == 16);
    const Color left = input.take<uint32_t>() & 0xFFFFFF, right = input.take<uint32_t>() & 0xFFFFFF;
    fuzz::Require((GradientColumn(left, right, small()) & 0xFF000000u) == 0);

    // Tiles of a texture at least 16 x 16 over a caption of up to 1024 pixels.
    const Rect caption{small() % 512, small() % 512, small() % 1024, small() % 1024};
    const int32_t tileWidth = 16 + input.take<uint8_t>(), tileHeight = 16 + input.take<uint8_t>();
    ForEachTextureTile(caption, tileWidth, tileHeight, [&](const Rect& tile) {
        fuzz::Require(tile.width() > 0 && tile.width() <= tileWidth && tile.height() <= tileHeight);
    });

    // A child's visible area never exceeds the child, its pieces never overlap.
    std::vector<Rect> siblings;
    const Rect child{small(), small(), small(), small()}, client{small(), small(), small(), small()};
    for (int i = input.take<uint8_t>() % 4; i > 0; --i)
        siblings.push_back({small(), small(), small(), small()});
    const std::vector<Rect> visible = VisibleChildArea(child, client, siblings);
    int64_t area = 0;
    for (size_t i = 0; i < visible.size(); ++i) {
        area += int64_t(visible[i].width()) * visible[i].height();
        for (size_t j = i + 1; j < visible.size(); ++j)
            fuzz::Require(IntersectRects(visible[i], visible[j]).empty());
    }
    fuzz::Require(child.empty() ? visible.empty() : area <= int64_t(child.width()) * child.height());
    return 0;
}
