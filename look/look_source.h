// The look the program now holds, gathered for publishing: the settings, the
// surfaces as built, the caption fonts as they resolved, the frame metrics
// and the programs left alone.
#pragma once
#include "compose/caption_layout.h"
#include "look/look_parts.h"
#include "publish/look_block.h"

namespace lume {

// `look` with the system's frame metrics.
LookSource LookSourceOf(const LookParts& look, const SystemFrameMetrics& metrics);

} // namespace lume
