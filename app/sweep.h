// The sweep over every top-level window: paint each qualifying caption (and
// its captioned descendants), or make each candidate redraw its own frame.
#pragma once
#include <windows.h>

#include "settings/exclusion_list.h"

namespace lume {

// How long the restore sweep waits for each window's answer.
constexpr UINT RestoreTimeoutMs = 200;

// Paint mode: each caption in the present look, by the window's own thread
// where the hook runs there (its frame's repaint is queued), else from here.
void SweepWindows(bool paint);

// The window's caption in the present look, as the sweep gives it.
void RefreshCaption(HWND window, uint32_t style);

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

BOOL CALLBACK SweepTopLevelProc(HWND window, LPARAM paint);
BOOL CALLBACK SweepChildProc(HWND window, LPARAM unused);

} // namespace lume
