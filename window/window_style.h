// A window's style bits, as every sweep and paint reads them.
#pragma once
#include <windows.h>

#include <cstdint>

namespace lume {

inline uint32_t StyleOf(HWND window) { return static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE)); }

} // namespace lume
