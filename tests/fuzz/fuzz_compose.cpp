// The composition the hook library runs inside every process, over a hostile
// look and hostile window facts: the look's reader, the layout from what it
// accepted, the bands composed and the lines set in them, the list of
// programs left alone. Nothing accepted may point outside the look or break
// its alignment; nothing drawn may leave the bands.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "compose/caption_composition.h"
#include "publish/published_look.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace lume;
    fuzz::Input input(data, size);
    // The look: as many of the input's bytes as its first word says (4-byte aligned, as a view is).
    const size_t lookBytes = std::min<size_t>(input.take<uint16_t>() * 4u, size);
    std::vector<uint32_t> words((lookBytes + 3) / 4);
    for (uint32_t& word : words)
        word = input.take<uint32_t>();
    const auto* view = reinterpret_cast<const uint8_t*>(words.data());
    const uint32_t owner = input.take<uint32_t>(), process = input.take<uint32_t>();
    LookCopy look;
    if (!ReadPublishedLook(view, lookBytes, owner, process, look))
        return 0;
    for (const LookSurface& surface : look.surfaces)
        if (surface.kind != SurfaceKind::Default)
            fuzz::Require(surface.pixels % 4 == 0 && surface.pixels >= sizeof(PublishedLook) &&
                          surface.pixels + uint64_t(surface.width) * surface.height * 4 <= lookBytes);
    fuzz::Require(look.common.ShadowShift >= -LookShiftLimit && look.common.ShadowShift <= LookShiftLimit);

    // The window: any size the hook lets through, any styles.
    const int32_t width = 1 + input.take<uint16_t>() % 4096, height = 1 + input.take<uint16_t>() % 4096;
    const bool active = input.take<uint8_t>() & 1;
    const CaptionLayout layout = LayoutCaption(width, height, input.take<uint32_t>(), input.take<uint32_t>(),
                                               CaptionMetricsFrom(look.metrics), look.common,
                                               look.colours[active ? ActiveLook : InactiveLook], active);
    const CompositionBands bands = ComposedBands(layout);
    if (bands.top.width() > 0 && bands.height() > 0 && bands.height() <= 4096) {
        std::vector<uint32_t> pixels(size_t(bands.top.width()) * bands.height());
        DrawLines({pixels.data(), bands.top.width(), bands}, CaptionLines(layout));
    }
    fuzz::Require(PaintedArea(layout, true).size() <= 17 && LeftAlone(layout, true).size() <= 3);

    std::vector<uint16_t> name(input.take<uint8_t>());
    for (uint16_t& unit : name)
        unit = input.take<uint16_t>();
    LeavesProgramAlone(view, look, name.data(), static_cast<uint32_t>(name.size()));
    return 0;
}
