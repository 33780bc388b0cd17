#include <gtest/gtest.h>

#include "core/window_filter.h"
#include "core/win_constants.h"

using namespace lume;
using namespace lume::win;

TEST(WindowFilter, SweepFilters)
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

// Who the hook serves, for the x64 build and for the i686 build, whose hook
// reaches the 32-bit processes of a 64-bit system and not the 64-bit ones.
TEST(WindowFilter, HookServesItsOwnBitnessAndIntegrityLevel)
{
    constexpr uint32_t Medium = 0x2000, High = 0x3000;
    auto trust = [](bool processWow64, bool programWow64, uint32_t level, bool appContainer = false) {
        return ProcessTrust{true, HookLoadsInto(processWow64, programWow64), level, appContainer};
    };
    EXPECT_TRUE(IsServedByHook(trust(false, false, Medium), Medium));   // x64 build, 64-bit process
    EXPECT_FALSE(IsServedByHook(trust(true, false, Medium), Medium));   // x64 build, 32-bit process
    EXPECT_TRUE(IsServedByHook(trust(true, true, Medium), Medium));     // i686 build, 32-bit process
    EXPECT_FALSE(IsServedByHook(trust(false, true, Medium), Medium));   // i686 build, 64-bit process
    EXPECT_FALSE(IsServedByHook(trust(false, false, High), Medium));    // an elevated process
    EXPECT_FALSE(IsServedByHook(trust(false, false, Medium, true), Medium));
    EXPECT_FALSE(IsServedByHook(ProcessTrust{}, Medium));               // a token that could not be read
}
