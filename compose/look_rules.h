// The plain values of a look that the composition needs, shared by the
// program and the hook library: no strings, nothing that allocates.
#pragma once
#include <cstdint>

namespace lume {

using Color = uint32_t;  // COLORREF layout: red in the low byte, 0x00BBGGRR

enum class SurfaceKind : uint8_t {
    Gradation = 0,  // horizontal gradient from Left to Right
    Texture = 1,    // the Texture bitmap file, tiled
    Default = 2,    // the system's own caption background
};

// What is done where the window manager draws a window's frame itself
// (desktop composition), over whatever a program paints there.
enum class ComposedFrames : uint8_t {
    Tint = 0,     // the composed frame keeps its look and takes the look's colours (Windows 11)
    Classic = 1,  // the composed frame is turned off and the caption painted as everywhere
    Leave = 2,    // no call to the window manager at all
};

// The colour that gives a composed frame's caption, border or text back to the system.
constexpr Color SystemFrameColour = 0xFFFFFFFFu;

struct CommonSettings {
    int32_t NormalXShift = 0;
    int32_t NormalYShift = 0;
    int32_t ToolXShift = 0;
    int32_t ToolYShift = 0;
    int32_t ShadowShift = 0;
    bool NoButtons = false;
    bool NoCloseButton = false;
    bool SBNoCust = false;  // loaded, carried through the dialog and saved; nothing else reads it
    ComposedFrames Composed = ComposedFrames::Tint;
    bool operator==(const CommonSettings&) const = default;
};

// The letters' and their shadow's colours of one look.
struct TextColours {
    Color Letter = 0;
    Color Shadow = 0;
};

} // namespace lume
