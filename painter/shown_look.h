// The look captions are painted and published in: the program's own (its
// settings record, caption fonts and surfaces), or a candidate that the
// options dialog shows before OK. A preview never touches the program's own:
// that is what is saved, and what CANCEL puts back.
#pragma once
#include "painter/surfaces.h"
#include "settings/caption_settings.h"
#include "ui/font.h"

namespace lume {

// Borrowed parts; the surfaces and fonts are null where not made yet.
struct LookParts {
    const CaptionSettings* settings = nullptr;
    const CaptionSurfaces* surfaces = nullptr;
    const ui::Font* normalFont = nullptr;
    const ui::Font* toolFont = nullptr;
};

// The program's own look.
LookParts ProgramLook();
// Shows `candidate` in place of the program's own look until called with
// nullptr; it must live as long as it is shown.
void ShowInstead(const LookParts* candidate);
// The candidate while one is shown, else the program's own look.
LookParts ShownLook();

} // namespace lume
