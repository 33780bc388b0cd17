#include <gtest/gtest.h>

#include "app/preview_pace.h"

using namespace lume;
using Step = PreviewPace::Step;

TEST(PreviewPace, AtMostOneLookPerIntervalAndTheLastShown)
{
    PreviewPace pace;
    EXPECT_EQ(pace.choice(1000), Step::ShowNow);  // the first at once
    pace.shown(1000);
    EXPECT_EQ(pace.choice(1010), Step::ArmTimer);
    EXPECT_EQ(pace.wait(1010), 40u);
    EXPECT_EQ(pace.choice(1030), Step::Wait);  // merged into the timer's look
    pace.shown(1050);                          // the timer showed the latest
    EXPECT_EQ(pace.choice(1100), Step::ShowNow);
    pace.shown(1100);
    EXPECT_EQ(pace.choice(1149), Step::ArmTimer);
    EXPECT_EQ(pace.wait(1170), 1u);  // a late timer: not zero
}

TEST(PreviewPace, TheTickWrapsAround)
{
    PreviewPace pace;
    pace.shown(0xFFFFFFF0u);
    EXPECT_EQ(pace.choice(0x10), Step::ArmTimer);  // 32 ms later
    EXPECT_EQ(pace.wait(0x10), 18u);
    pace.shown(0x22);
    EXPECT_EQ(pace.choice(0x22 + 50), Step::ShowNow);
}
