// What the hook library and the program share: the named mapping, its 8-byte
// record and the notifications posted to the program's main window.
#pragma once
#include <cstdint>
#include "core/win_constants.h"

namespace lume {

constexpr char HookShareName[] = "LUMEHOOK";

// Handles are 32-bit significant on 64-bit Windows, so the record is 8 bytes
// on both architectures; readers widen a field back by sign extension.
struct HookShare {
    uint32_t MainWnd;
    uint32_t HookHandle;
};
static_assert(sizeof(HookShare) == 8, "the mapping holds exactly 8 bytes");

constexpr uint32_t UM_CAPTIONCHANGED = win::WmUser + 0x101;
constexpr uint32_t UM_CAPTIONTOUCHED = win::WmUser + 0x102;
// A top-level window was shown, hidden, moved, resized or re-ordered: wParam
// its WINDOWPOS flags, lParam its handle. It lies outside the range that the
// two caption notifications coalesce over.
constexpr uint32_t UM_WINDOWPOSCHANGED = win::WmUser + 0x103;

constexpr uint32_t HandleToField(uintptr_t handle) noexcept { return static_cast<uint32_t>(handle); }
constexpr intptr_t FieldToHandle(uint32_t field) noexcept
{
    return static_cast<intptr_t>(static_cast<int32_t>(field));
}

} // namespace lume

namespace lume {

// The property of the program's main window that holds the handle, in the
// program's own process, of the section with its published look. Only a
// handle of that process is ever taken from it, so no other process can
// name a look of its own making.
constexpr char LookPropertyName[] = "LumeLume.Look";

// The property CreateDLLInst sets on the window it is given: hooks post only
// to a window that carries it, whatever the record, which any process of the
// user can write, names.
constexpr char HookTargetPropertyName[] = "LumeLume.Hook";

// What the hook changed in a window's composed frame, kept on the window
// itself (FrameGivenColours, FrameGivenClassic), and the registered message
// the program sends each such window before it unhooks, for the hook to give
// the window manager its own back in the window's thread.
constexpr char FramePropertyName[] = "LumeLume.Frame";
constexpr char UndoFrameMessageName[] = "LumeLume.UndoFrame";
constexpr uintptr_t FrameGivenColours = 1, FrameGivenClassic = 2;

} // namespace lume
