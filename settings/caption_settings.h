// The program-wide settings record: how active and inactive captions look,
// and what both share. The caption fonts are font objects of their own.
#pragma once
#include <cstdint>
#include <string>

#include "compose/look_rules.h"

namespace lume {

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

struct CaptionSettings {
    CaptionLook Active;
    CaptionLook Inactive;
    CommonSettings Common;
    bool operator==(const CaptionSettings&) const = default;
};

} // namespace lume
