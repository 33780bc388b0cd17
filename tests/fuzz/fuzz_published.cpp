// The hook's reader of published captions over arbitrary mapping bytes: the
// slots it probes and the data area come from the fuzzer, in a mapping of
// exactly the size the reader is told, so any read past it is a finding.
#include <algorithm>
#include <vector>

#include "hooklib/published_captions.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace lume;
    fuzz::Input input(data, size);
    const uint32_t dataBytes = input.take<uint16_t>();
    std::vector<uint8_t> mapping(PublishedDataStart + dataBytes);
    auto& header = *reinterpret_cast<PublishedHeader*>(mapping.data());
    header = {PublishedMagic, 1, 2, input.take<uint8_t>() % 3u, input.take<uint8_t>() % 3u, input.take<uint32_t>(), {}};
    CaptionQuery query{1, 2, input.take<uint32_t>(), (input.take<uint8_t>() & 1) != 0, input.take<int16_t>(), input.take<int16_t>(),
                       input.take<uint32_t>(), input.take<uint32_t>(), nullptr, 0};
    const std::u16string title(input.take<uint8_t>() % 8, u'x');
    query.title = reinterpret_cast<const uint16_t*>(title.data());
    query.titleLength = static_cast<uint32_t>(title.size());
    // The slots the query probes, then the data area, from the input.
    for (uint32_t probe = 0; probe < PublishedProbeLength; ++probe) {
        auto& slot = reinterpret_cast<PublishedSlot*>(mapping.data() + PublishedSlotsStart)
            [PublishedSlotIndex(query.window, query.active, probe)];
        slot = input.take<PublishedSlot>();
        if (input.take<uint8_t>() & 1) {  // most slots worth probing are meant for the query
            slot.window = query.window;
            slot.active = query.active;
            slot.width = query.width;
            slot.height = query.height;
            slot.style = query.style;
            slot.exStyle = query.exStyle;
            slot.epoch = header.epoch;
            slot.offset = PublishedDataStart + slot.offset % (dataBytes + 1);
        }
    }
    for (uint32_t at = PublishedDataStart; at < mapping.size() && !input.empty(); ++at)
        mapping[at] = input.take<uint8_t>();

    FoundPiece found[PublishedPieceLimit];
    for (TitleMatch titles : {TitleMatch::Exact, TitleMatch::Any}) {
        const uint32_t count =
            FindPublishedCaption(mapping.data(), static_cast<uint32_t>(mapping.size()), query, titles, found);
        fuzz::Require(count <= PublishedPieceLimit);
        for (uint32_t i = 0; i < count; ++i) {
            const PublishedPiece& p = found[i].place;
            fuzz::Require(p.left >= 0 && p.top >= 0 && p.width > 0 && p.height > 0 &&
                          p.left + p.width <= query.width && p.top + p.height <= query.height);
            fuzz::Require(found[i].pixels >= PublishedDataStart &&
                          found[i].pixels + uint64_t(p.width) * p.height * 4 <= mapping.size());
        }
    }
    MayBePublished(mapping.data(), static_cast<uint32_t>(mapping.size()), 1, query.window);
    IsPublishedLeftAlone(mapping.data(), static_cast<uint32_t>(mapping.size()), 1, 2, input.take<uint32_t>());
    return 0;
}
