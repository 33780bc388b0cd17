// The bytes of a published look, as the program writes them into the section
// it hands to the hook library (the format and its reader are in published_look.h).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "publish/published_look.h"

namespace lume {

// A surface as the program built it: 0x00RRGGBB pixels, `width` to a row.
struct SurfacePixels {
    SurfaceKind kind = SurfaceKind::Default;
    int32_t width = 0;
    int32_t height = 0;
    const uint32_t* pixels = nullptr;  // none: the system's own background
};

struct LookSource {
    uint32_t owner = 0;
    uint32_t ownerProcess = 0;
    uint32_t generation = 0;
    CommonSettings common;
    TextColours colours[2];  // [InactiveLook], [ActiveLook]
    Color tint[2] = {SystemFrameColour, SystemFrameColour};  // a composed caption's colour in each look
    SurfacePixels surfaces[2];
    std::vector<uint8_t> fonts[2];  // LOGFONTW bytes ([NormalFontIndex], [ToolFontIndex]); empty: no font
    SystemFrameMetrics metrics{};
    std::vector<std::u16string> leftAlone;  // program file names
};

// The look's bytes. A texture larger than the format's limits is cropped to
// its top-left part; a surface without pixels is published as the system's
// background; names beyond the limits are left out.
std::vector<uint8_t> LookBlock(const LookSource& source);

} // namespace lume
