// The few Windows numbers the pure core works with, so that it never needs
// <windows.h>. Each Win32 file that meets them static_asserts they agree.
#pragma once
#include <cstdint>

namespace lume::win {

// Window styles.
constexpr uint32_t WsVisible = 0x10000000;
constexpr uint32_t WsMinimize = 0x20000000;
constexpr uint32_t WsChild = 0x40000000;
constexpr uint32_t WsCaption = 0x00C00000;
constexpr uint32_t WsBorder = 0x00800000;
constexpr uint32_t WsDlgFrame = 0x00400000;
constexpr uint32_t WsSysMenu = 0x00080000;
constexpr uint32_t WsThickFrame = 0x00040000;
constexpr uint32_t WsMinimizeBox = 0x00020000;
constexpr uint32_t WsMaximizeBox = 0x00010000;

// Window messages.
constexpr uint32_t WmCreate = 0x0001;
constexpr uint32_t WmMove = 0x0003;
constexpr uint32_t WmActivate = 0x0006;
constexpr uint32_t WmShowWindow = 0x0018;
constexpr uint32_t WmSetIcon = 0x0080;
constexpr uint32_t WmThemeChanged = 0x031A;
constexpr uint32_t WmDwmCompositionChanged = 0x031E;
constexpr uint32_t WmDwmNcRenderingChanged = 0x031F;
constexpr uint32_t WmWindowPosChanged = 0x0047;
constexpr uint32_t WmSetText = 0x000C;
constexpr uint32_t WmNcHitTest = 0x0084;
constexpr uint32_t WmNcPaint = 0x0085;
constexpr uint32_t WmNcActivate = 0x0086;
constexpr uint32_t WmNcLButtonDown = 0x00A1;
constexpr uint32_t WmNcLButtonUp = 0x00A2;
constexpr uint32_t WmInitMenu = 0x0116;
constexpr uint32_t WmUser = 0x0400;

// WINDOWPOS flags.
constexpr uint32_t SwpNoSize = 0x0001;
constexpr uint32_t SwpNoMove = 0x0002;
constexpr uint32_t SwpNoZOrder = 0x0004;
constexpr uint32_t SwpShowWindow = 0x0040;
constexpr uint32_t SwpHideWindow = 0x0080;

// Hit-test results.
constexpr intptr_t HtCaption = 2;
constexpr intptr_t HtSysMenu = 3;
constexpr intptr_t HtLeft = 10;
constexpr intptr_t HtBottomRight = 17;

} // namespace lume::win

namespace lume::win {

// Extended window styles.
constexpr uint32_t WsExToolWindow = 0x00000080;
constexpr uint32_t WsExContextHelp = 0x00000400;

} // namespace lume::win
