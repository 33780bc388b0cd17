// What a mouse message on a tray icon becomes: which of the component's
// mouse calls, with which button and shift state.
#pragma once
#include <cstdint>

namespace lume::ui {

enum class TrayMouseCall : uint8_t { None, MouseMove, MouseDown, MouseUp, DblClick };
enum class MouseButton : uint8_t { Left = 0, Right = 1, Middle = 2 };

// The shift-state bits the component passes: none, or one button's.
enum ShiftStateBit : uint8_t {
    ShiftLeft = 0x08,
    ShiftRight = 0x10,
    ShiftMiddle = 0x20,
};

struct TrayMouseEvent {
    TrayMouseCall call = TrayMouseCall::None;
    MouseButton button = MouseButton::Left;
    uint8_t shift = 0;
    bool operator==(const TrayMouseEvent&) const = default;
};

// lParam of the tray callback: the window message the shell saw on the icon.
constexpr TrayMouseEvent ClassifyTrayMessage(uint32_t iconMessage)
{
    switch (iconMessage) {
    case 0x0200: return {TrayMouseCall::MouseMove, MouseButton::Left, 0};
    case 0x0201: return {TrayMouseCall::MouseDown, MouseButton::Left, ShiftLeft};
    case 0x0202: return {TrayMouseCall::MouseUp, MouseButton::Left, ShiftLeft};
    case 0x0203: return {TrayMouseCall::DblClick, MouseButton::Left, 0};
    case 0x0204: return {TrayMouseCall::MouseDown, MouseButton::Right, ShiftRight};
    case 0x0205: return {TrayMouseCall::MouseUp, MouseButton::Right, ShiftRight};
    case 0x0206: return {TrayMouseCall::DblClick, MouseButton::Right, 0};
    case 0x0207: return {TrayMouseCall::MouseDown, MouseButton::Middle, ShiftMiddle};
    case 0x0208: return {TrayMouseCall::MouseUp, MouseButton::Middle, ShiftMiddle};
    default: return {};  // 0x0209 and everything else: nothing
    }
}

} // namespace lume::ui
