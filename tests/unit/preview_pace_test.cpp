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
    EXPECT_EQ(pace.wait(1170), 1u);  // a late timer: never zero
    pace.shown(0xFFFFFFF0u);         // the tick wraps around
    EXPECT_EQ(pace.choice(0x10), Step::ArmTimer);
    EXPECT_EQ(pace.wait(0x10), 18u);
}
