#include "window/self_painting.h"

#include "ui/handles.h"
#include "window/window_program.h"

namespace lume {

bool PaintsItsOwnCaption(HWND window)
{
    return ProgramOf(window).reachedByHook && !IsHungAppWindow(window);
}

void AskFrameRepaint(HWND window)
{
    // In client coordinates: everything above the client area, where the
    // caption is. The grooves below are the same in every look of ours, and
    // the hook draws them anyway with the caption.
    static const ui::RegionHandle aboveClient(CreateRectRgn(-32768, -32768, 32767, 0));
    RedrawWindow(window, nullptr, aboveClient.get(), RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

} // namespace lume
