#include "painter/shown_look.h"

#include "settings/settings.h"

namespace lume {

namespace {

const LookParts* Candidate;  // borrowed from the preview

} // namespace

LookParts ProgramLook() { return {&Settings, Surfaces.get(), NormalFont.get(), ToolFont.get()}; }

void ShowInstead(const LookParts* candidate) { Candidate = candidate; }

LookParts ShownLook() { return Candidate ? *Candidate : ProgramLook(); }

} // namespace lume
