#include <gtest/gtest.h>

#include <algorithm>

#include "fallback/settle_schedule.h"

using namespace lume;

TEST(SettleSchedule, OnePendingRepaintPerWindowEachFollowedByALateOne)
{
    SettleSchedule schedule;
    EXPECT_FALSE(schedule.nextIn(0));
    // A notification re-arms: put off by each one.
    schedule.rearm(7, 1000, 30);
    schedule.rearm(7, 1020, 30);
    EXPECT_EQ(schedule.nextIn(1020), 30u);
    // Uncovering arms by a deadline: never later than the first one.
    schedule.armBy(8, 1000, 50);
    schedule.armBy(8, 1040, 50);
    schedule.armBy(7, 1040, 50);  // due at 1050 already, sooner than 1090
    EXPECT_EQ(schedule.pending(), 2u);
    EXPECT_TRUE(schedule.takeDue(1049, 250).empty());
    std::vector<uintptr_t> due = schedule.takeDue(1050, 250);
    std::sort(due.begin(), due.end());
    EXPECT_EQ(due, (std::vector<uintptr_t>{7, 8}));
    // Each once more, late, unless scheduled anew before; then nothing is left.
    EXPECT_EQ(schedule.nextIn(1050), 250u);
    schedule.rearm(8, 1100, 30);
    EXPECT_EQ(schedule.takeDue(1130, 250), std::vector<uintptr_t>{8});
    EXPECT_EQ(schedule.takeDue(1300, 250), std::vector<uintptr_t>{7});
    EXPECT_EQ(schedule.takeDue(1380, 250), std::vector<uintptr_t>{8});
    EXPECT_FALSE(schedule.nextIn(1380));
    // Uncovered 3 ms before its late repaint: that repaint would come before
    // the system has put the pixels back, so a full settle delay is waited,
    // and the late one follows as after any other.
    schedule.rearm(10, 2000, 30);
    EXPECT_EQ(schedule.takeDue(2030, 250), std::vector<uintptr_t>{10});
    schedule.armBy(10, 2277, 50);
    EXPECT_TRUE(schedule.takeDue(2280, 250).empty());
    EXPECT_EQ(schedule.takeDue(2327, 250), std::vector<uintptr_t>{10});
    EXPECT_EQ(schedule.takeDue(2577, 250), std::vector<uintptr_t>{10});
    EXPECT_FALSE(schedule.nextIn(2577));
    // Across the tick's wrap, and overdue as 0.
    schedule.rearm(9, 0xFFFFFFF0u, 30);
    EXPECT_TRUE(schedule.takeDue(0xFFFFFFFFu, 250).empty());
    EXPECT_EQ(schedule.nextIn(20), 0u);
    EXPECT_EQ(schedule.takeDue(20, 250), std::vector<uintptr_t>{9});
}
