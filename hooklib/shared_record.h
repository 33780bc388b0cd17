// The program's 8-byte record as every hooked process sees it: mapped once
// per process, read-only, and read from memory at each call; and the one
// window the hook may post to.
#pragma once
#include <windows.h>

#include "hooklib/hook_protocol.h"

namespace lume {

// The record, mapped at the first call that finds it; null while there is
// none to be had, looked for again a second later (not at every message).
const HookShare* SharedRecord() noexcept;

// The record exists now (the program has just made it): the next call maps it.
void ExpectSharedRecord() noexcept;

// The window named by the record's MainWnd `field`, when CreateDLLInst marked
// it as the program's: never 0, a broadcast handle or a window that is not
// there. Checked again only when the field changes, or the window has gone.
HWND NotifiedWindow(uint32_t field) noexcept;

// The window NotifiedWindow gave refused a post as not there.
void ForgetNotifiedWindow() noexcept;

// The view given back: the library leaves the process.
void ReleaseSharedRecord() noexcept;

} // namespace lume
