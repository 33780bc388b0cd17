// Which windows a sweep paints or restores, whose programs the options
// dialog offers, and which processes the hook paints in.
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

// What the program learns of a window's process from its token.
struct ProcessTrust {
    bool known = false;         // the process and its token could be asked
    bool sameBitness = false;   // the hook library can be loaded into it
    uint32_t integrityLevel = 0;  // the last part of its integrity label's SID
    bool appContainer = false;
};

// Whether a hook library of the program's bitness loads into a process,
// from whether each runs under WOW64 (a 32-bit process on 64-bit Windows):
// the x64 build's into 64-bit processes, the i686 build's into 32-bit ones
// (on 32-bit Windows, where nothing runs under WOW64, into every process).
constexpr bool HookLoadsInto(bool processIsWow64, bool programIsWow64) { return processIsWow64 == programIsWow64; }

// The hook paints in a process that loads it and can read what the program
// publishes: the program's integrity level (a higher one never loads the
// hook, a lower one may not open the program's record, look or process), and
// no app container (whose names are its own). Every other window is painted
// from outside.
constexpr bool IsServedByHook(const ProcessTrust& process, uint32_t programIntegrityLevel)
{
    return process.known && process.sameBitness && !process.appContainer &&
           process.integrityLevel == programIntegrityLevel;
}

} // namespace lume
