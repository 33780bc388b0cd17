// The program-wide settings record: how active and inactive captions look,
// and what both share. The caption fonts are font objects of their own.
#pragma once
#include <cstdint>
#include <string>

namespace lume {

using Color = uint32_t;  // COLORREF layout: red in the low byte, 0x00BBGGRR

enum class SurfaceKind : uint8_t {
    Gradation = 0,  // horizontal gradient from Left to Right
    Texture = 1,    // the Texture bitmap file, tiled
    Default = 2,    // the system's own caption background
};

struct CaptionLook {
    SurfaceKind Surface = SurfaceKind::Gradation;
    std::string Texture;  // bitmap file path (cp932), may be empty
    Color Letter = 0;
    Color Shadow = 0;
    Color Left = 0;
    Color Right = 0;
    Color LED = 0;  // loaded, shown and saved; nothing draws with it
    bool operator==(const CaptionLook&) const = default;
};

struct CommonSettings {
    int32_t NormalXShift = 0;
    int32_t NormalYShift = 0;
    int32_t ToolXShift = 0;
    int32_t ToolYShift = 0;
    int32_t ShadowShift = 0;
    bool NoButtons = false;
    bool NoCloseButton = false;
    bool SBNoCust = false;  // loaded, carried through the dialog and saved; nothing else reads it
    bool operator==(const CommonSettings&) const = default;
};

struct CaptionSettings {
    CaptionLook Active;
    CaptionLook Inactive;
    CommonSettings Common;
    bool operator==(const CaptionSettings&) const = default;
};

} // namespace lume
