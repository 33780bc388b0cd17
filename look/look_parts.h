// A look as the painter reads it: borrowed settings, surfaces and fonts.
#pragma once
#include "look/surfaces.h"
#include "settings/caption_settings.h"
#include "settings/exclusion_list.h"
#include "ui/font.h"

namespace lume {

// The surfaces and fonts are null where not made yet.
struct LookParts {
    const CaptionSettings* settings = nullptr;
    const CaptionSurfaces* surfaces = nullptr;
    const ui::Font* normalFont = nullptr;
    const ui::Font* toolFont = nullptr;
    const ExclusionList* excluded = nullptr;  // the programs left alone
};

} // namespace lume
