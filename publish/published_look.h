// The look the program publishes for the hook library, which composes every
// caption in the window's own thread from it: both looks' rules, colours and
// surfaces, the two caption fonts as the program resolved them, the frame
// metrics and the programs left alone.
//
// A look is written once, into a section of its own that no other process
// can name, and never changed afterwards but for `retired`, set when a newer
// look replaces it or the program withdraws it. The hook still trusts nothing
// it reads there: every field is read once, checked, and only the checked
// copy is used.
//
// Layout, little-endian: PublishedLook at 0, then the surfaces' pixels
// (0x00RRGGBB, top-down rows, 4-byte aligned) and the names of the programs
// left alone (each a 16-bit length and that many UTF-16 units, 2-byte aligned).
#pragma once
#include <cstdint>

#include "compose/caption_drawing.h"
#include "compose/caption_layout.h"
#include "compose/look_rules.h"

namespace lume {

constexpr uint32_t LookMagic = 0x4B4C554Cu;  // "LULK"
constexpr uint32_t LookFormatVersion = 2;
// The gradient strip is always this size; textures are cropped to these
// limits (a caption never shows more of one than its own size).
constexpr int32_t LookTextureWidthLimit = 8192;
constexpr int32_t LookTextureHeightLimit = 256;
constexpr uint32_t LookLeftAloneLimit = 256;
constexpr uint32_t LookNameUnits = 260;
// Text shifts and the shadow's length beyond this are taken as this.
constexpr int32_t LookShiftLimit = 1000;
constexpr uint32_t LookFontBytes = 92;  // a LOGFONTW
constexpr uint32_t LookSizeLimit = 64u << 20;

struct PublishedSurface {
    uint32_t kind;  // SurfaceKind
    int32_t width;
    int32_t height;
    uint32_t pixels;  // offset from the look's start
};

struct PublishedLook {
    uint32_t magic;
    uint32_t version;
    uint32_t size;  // bytes of the whole look
    uint32_t owner;  // the program's main window, as in the 8-byte record
    uint32_t ownerProcess;
    uint32_t generation;  // grows with each look the program publishes
    uint32_t retired;  // 0 while this is the program's look
    int32_t normalXShift, normalYShift, toolXShift, toolYShift, shadowShift;
    uint32_t noButtons, noCloseButton;
    uint32_t letter[2];  // [0] inactive, [1] active
    uint32_t shadow[2];
    PublishedSurface surfaces[2];
    uint8_t fonts[2][LookFontBytes];  // [0] normal, [1] tool windows; all zero: no font
    int32_t metrics[7];  // the system's frame metrics and DPI the program read
    uint32_t leftAloneCount;
    uint32_t leftAloneOffset;
    uint32_t leftAloneBytes;
    uint32_t composed;  // ComposedFrames
    uint32_t tint[2];  // a composed caption's colour in each look: its surface's mean; SystemFrameColour
};
static_assert(sizeof(PublishedLook) % 4 == 0);

enum LookIndex : uint32_t { InactiveLook = 0, ActiveLook = 1 };
enum FontIndex : uint32_t { NormalFontIndex = 0, ToolFontIndex = 1 };

struct LookSurface {
    SurfaceKind kind = SurfaceKind::Default;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t pixels = 0;  // offset, checked to lie within the look
};

// A look as one read gave it, every field checked.
struct LookCopy {
    uint32_t generation = 0;
    CommonSettings common;
    TextColours colours[2];
    LookSurface surfaces[2];
    uint8_t fonts[2][LookFontBytes] = {};
    bool hasFont[2] = {};
    SystemFrameMetrics metrics{};
    uint32_t leftAloneCount = 0;
    uint32_t leftAloneOffset = 0;
    uint32_t leftAloneBytes = 0;
    Color tint[2] = {SystemFrameColour, SystemFrameColour};
};

// Reads and checks the look at `view` (`viewSize` bytes readable) that the
// program of main window `owner`, in process `ownerProcess`, published. False
// when it is not one, is another program's, or breaks any limit.
bool ReadPublishedLook(const uint8_t* view, uint64_t viewSize, uint32_t owner, uint32_t ownerProcess,
                       LookCopy& copy) noexcept;

// True once the look has been replaced or withdrawn.
bool IsLookRetired(const uint8_t* view) noexcept;

// True when the look leaves the program of this file name alone; names are
// compared without regard to the case of ASCII letters.
bool LeavesProgramAlone(const uint8_t* view, const LookCopy& copy, const uint16_t* name, uint32_t length) noexcept;

// The file name part of a path: what follows its last '\' or '/'.
uint32_t FileNameStart(const uint16_t* path, uint32_t length) noexcept;

} // namespace lume
