#include <gtest/gtest.h>

#include "ui/tray_dispatch.h"

using namespace lume;
using namespace lume::ui;

TEST(TrayDispatch, TrayMouseMessages)
{
    EXPECT_EQ(ClassifyTrayMessage(0x0204), (TrayMouseEvent{TrayMouseCall::MouseDown, MouseButton::Right, ShiftRight}));
    EXPECT_EQ(ClassifyTrayMessage(0x0201), (TrayMouseEvent{TrayMouseCall::MouseDown, MouseButton::Left, ShiftLeft}));
    EXPECT_EQ(ClassifyTrayMessage(0x0208), (TrayMouseEvent{TrayMouseCall::MouseUp, MouseButton::Middle, ShiftMiddle}));
    EXPECT_EQ(ClassifyTrayMessage(0x0206), (TrayMouseEvent{TrayMouseCall::DblClick, MouseButton::Right, 0}));
    EXPECT_EQ(ClassifyTrayMessage(0x0200).call, TrayMouseCall::MouseMove);
    for (uint32_t nothing : {0x0209u, 0x01FFu, 0x020Au, 0u, 0x0400u})
        EXPECT_EQ(ClassifyTrayMessage(nothing).call, TrayMouseCall::None) << nothing;
}
