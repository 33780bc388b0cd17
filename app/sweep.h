// The sweep over every top-level window: paint each qualifying caption (and
// its captioned descendants), or make each candidate redraw its own frame.
#pragma once
#include <windows.h>

#include "settings/exclusion_list.h"

namespace lume {

// How long the restore sweep waits for each window's answer.
constexpr UINT RestoreTimeoutMs = 200;

void SweepWindows(bool paint);

// Every window of the listed programs redraws its frame, its descendants' too,
// in the system's own look.
void RestoreProgramWindows(const ExclusionList& programs);

// Every candidate's frame is queued for repaint in its own thread, in the
// system's look: the restore sweep for when no wait is allowed.
void RestoreFramesQueued();

BOOL CALLBACK SweepTopLevelProc(HWND window, LPARAM paint);
BOOL CALLBACK SweepChildProc(HWND window, LPARAM unused);

} // namespace lume
