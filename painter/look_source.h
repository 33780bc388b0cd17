// The look the program now holds, gathered for publishing: the settings, the
// surfaces as built, the caption fonts as they resolved, the frame metrics
// and the programs left alone.
#pragma once
#include "painter/shown_look.h"
#include "publish/look_block.h"
#include "settings/exclusion_list.h"

namespace lume {

// `look` with the programs left alone.
LookSource LookSourceOf(const LookParts& look, const ExclusionList& leftAlone);
// The look shown now, with the program's list of programs left alone.
LookSource CurrentLookSource();

} // namespace lume
