// Which windows a sweep paints or restores, and whose programs the options
// dialog offers.
#pragma once
#include <cstdint>

#include "core/win_constants.h"

namespace lume {

// Top level: visible, a caption bit, a system menu, no WS_CHILD; minimised windows too.
constexpr bool IsSweepCandidate(uint32_t style)
{
    return (style & win::WsCaption) && (style & win::WsSysMenu) && (style & win::WsVisible) &&
           !(style & win::WsChild);
}

// Descendants of a candidate: a caption bit and a system menu, nothing else looked at.
constexpr bool IsSweptDescendant(uint32_t style)
{
    return (style & win::WsCaption) && (style & win::WsSysMenu);
}

} // namespace lume
