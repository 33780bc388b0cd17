#include "publish/look_block.h"

#include <algorithm>
#include <cstring>

namespace lume {

namespace {

template <class T>
void Put(std::vector<uint8_t>& block, size_t at, const T& value)
{
    std::memcpy(block.data() + at, &value, sizeof value);
}

size_t AlignedTo4(size_t n) { return (n + 3) & ~size_t{3}; }

// Each name as its length in UTF-16 units, then its units; at most
// LookLeftAloneLimit of them, each of 1 to LookNameUnits units.
std::vector<uint16_t> LeftAloneNames(const std::vector<std::u16string>& leftAlone, uint32_t& count)
{
    std::vector<uint16_t> names;
    count = 0;
    for (const std::u16string& name : leftAlone) {
        if (count == LookLeftAloneLimit)
            break;
        if (name.empty() || name.size() > LookNameUnits)
            continue;
        names.push_back(static_cast<uint16_t>(name.size()));
        names.insert(names.end(), name.begin(), name.end());
        ++count;
    }
    return names;
}

} // namespace

std::vector<uint8_t> LookBlock(const LookSource& source)
{
    PublishedLook look{};
    look.magic = LookMagic;
    look.version = LookFormatVersion;
    look.owner = source.owner;
    look.ownerProcess = source.ownerProcess;
    look.generation = source.generation;
    look.normalXShift = source.common.NormalXShift;
    look.normalYShift = source.common.NormalYShift;
    look.toolXShift = source.common.ToolXShift;
    look.toolYShift = source.common.ToolYShift;
    look.shadowShift = source.common.ShadowShift;
    look.noButtons = source.common.NoButtons;
    look.noCloseButton = source.common.NoCloseButton;
    look.composed = static_cast<uint32_t>(source.common.Composed);
    const SystemFrameMetrics& m = source.metrics;
    const int32_t metrics[7] = {m.cxFrame, m.cyFrame, m.cxDlgFrame, m.cyDlgFrame, m.cyCaption, m.cySmCaption, m.dpi};
    std::copy(std::begin(metrics), std::end(metrics), look.metrics);

    size_t size = sizeof look;
    // Where each surface's pixels go, cropped to the format's limits.
    int32_t widths[2] = {}, heights[2] = {};
    for (int i = 0; i < 2; ++i) {
        look.letter[i] = source.colours[i].Letter;
        look.shadow[i] = source.colours[i].Shadow;
        look.tint[i] = source.tint[i];
        if (source.fonts[i].size() == LookFontBytes)
            std::memcpy(look.fonts[i], source.fonts[i].data(), LookFontBytes);
        const SurfacePixels& surface = source.surfaces[i];
        const bool hasPixels = surface.pixels && surface.width > 0 && surface.height > 0 &&
                               surface.kind != SurfaceKind::Default;
        look.surfaces[i].kind = static_cast<uint32_t>(hasPixels ? surface.kind : SurfaceKind::Default);
        if (!hasPixels)
            continue;
        widths[i] = std::min(surface.width, LookTextureWidthLimit);
        heights[i] = std::min(surface.height, LookTextureHeightLimit);
        look.surfaces[i] = {look.surfaces[i].kind, widths[i], heights[i], static_cast<uint32_t>(size)};
        size += static_cast<size_t>(widths[i]) * static_cast<size_t>(heights[i]) * 4;
    }
    uint32_t nameCount = 0;
    const std::vector<uint16_t> names = LeftAloneNames(source.leftAlone, nameCount);
    look.leftAloneCount = nameCount;
    look.leftAloneOffset = static_cast<uint32_t>(size);
    look.leftAloneBytes = static_cast<uint32_t>(names.size() * 2);
    size = AlignedTo4(size + names.size() * 2);
    look.size = static_cast<uint32_t>(size);

    std::vector<uint8_t> block(size);
    Put(block, 0, look);
    for (int i = 0; i < 2; ++i)
        for (int32_t row = 0; row < heights[i]; ++row)
            std::memcpy(block.data() + look.surfaces[i].pixels + static_cast<size_t>(row) * widths[i] * 4,
                        source.surfaces[i].pixels + static_cast<size_t>(row) * source.surfaces[i].width,
                        static_cast<size_t>(widths[i]) * 4);
    if (!names.empty())
        std::memcpy(block.data() + look.leftAloneOffset, names.data(), names.size() * 2);
    return block;
}

} // namespace lume
