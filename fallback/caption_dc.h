// The DC a caption is put on: the window's own, or for a child its top-level
// window's, clipped to the pixels the paint sets.
#pragma once
#include <windows.h>

#include "compose/caption_layout.h"
#include "ui/handles.h"

namespace lume {

// The clip is given in the window's own coordinates, so that it moves with
// the window: a window dragged between its layout and this paint still gets
// its caption and nothing else. `throughRoot` false puts a child's caption on
// its own DC (a test build that shows why it is not).
ui::WindowDc CaptionDc(HWND window, const CaptionLayout& layout, bool fullRepaint, bool withLines, bool throughRoot);

} // namespace lume
