#include <gtest/gtest.h>

#include "core/window_filter.h"
#include "core/win_constants.h"

using namespace lume;
using namespace lume::win;

TEST(ShellRules, SweepFilters)
{
    constexpr uint32_t Captioned = WsVisible | WsCaption | WsSysMenu;
    EXPECT_TRUE(IsSweepCandidate(Captioned | WsMinimize));  // minimised windows too
    EXPECT_TRUE(IsSweepCandidate(WsVisible | WsBorder | WsSysMenu));
    EXPECT_FALSE(IsSweepCandidate(WsVisible | WsCaption));
    EXPECT_FALSE(IsSweepCandidate(Captioned | WsChild));
    EXPECT_FALSE(IsSweepCandidate(Captioned & ~WsVisible));
    // Descendants: a caption bit and a system menu, visible or not, child or not.
    EXPECT_TRUE(IsSweptDescendant(WsDlgFrame | WsSysMenu | WsChild));
    EXPECT_FALSE(IsSweptDescendant(WsVisible | WsCaption | WsChild));
}
