// The look the program now holds, gathered for publishing: the settings, the
// surfaces as built, the caption fonts as they resolved, the frame metrics
// and the programs left alone.
#pragma once
#include "publish/look_block.h"

namespace lume {

LookSource CurrentLookSource();

} // namespace lume
