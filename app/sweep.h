// The sweeps over every top-level window: paint each qualifying caption (and
// its captioned descendants), or make each candidate redraw its own frame.
#pragma once
#include <windows.h>

#include "fallback/outside_painter.h"
#include "settings/exclusion_list.h"

namespace lume {

// How long the restore sweep waits for each window's answer.
constexpr UINT RestoreTimeoutMs = 200;

// Each caption in the present look, by the window's own thread where the
// hook paints there (its frame's repaint is queued), else by `painter`.
void SweepWindows(OutsidePainter& painter);

// Every candidate redraws its frame in the system's look, each window waited
// for a moment at most.
void RestoreFrames();

// Every window of the listed programs redraws its frame, its descendants' too,
// in the system's own look.
void RestoreProgramWindows(const ExclusionList& programs);

// Every candidate's frame is queued for repaint in its own thread, in the
// system's look: the restore sweep for when no wait is allowed.
void RestoreFramesQueued();

// Every window whose composed frame the hook changed gives the window
// manager its own back, in its own thread, before the hook goes: each is
// asked and waited for a moment; one that does not answer keeps the change
// until it is closed.
void UndoFrameChanges();

} // namespace lume
