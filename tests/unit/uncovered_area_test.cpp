#include <gtest/gtest.h>

#include <algorithm>

#include "fallback/uncovered_area.h"

using namespace lume;

namespace {

std::vector<uintptr_t> Sorted(std::vector<uintptr_t> windows)
{
    std::sort(windows.begin(), windows.end());
    return windows;
}

} // namespace

TEST(UncoveredArea, WhatAChangeOfPlaceLaysBare)
{
    const Rect was{100, 100, 200, 150};
    // Hidden or gone: all of it. Newly shown: nothing, it only covers.
    EXPECT_EQ(UncoveredArea(was, std::nullopt, false), std::vector<Rect>{was});
    EXPECT_TRUE(UncoveredArea(std::nullopt, was, true).empty());
    EXPECT_TRUE(UncoveredArea(std::nullopt, std::nullopt, false).empty());
    // Moved right by 30 and down by 10: the strip above and the strip on the left.
    EXPECT_EQ(UncoveredArea(was, Rect{130, 110, 230, 160}, false),
              (std::vector<Rect>{{100, 100, 200, 110}, {100, 110, 130, 150}}));
    // Moved far away: where it was; grown in place: nothing; shrunk: the rim.
    EXPECT_EQ(UncoveredArea(was, Rect{500, 500, 600, 550}, false), std::vector<Rect>{was});
    EXPECT_TRUE(UncoveredArea(was, Rect{90, 90, 210, 160}, false).empty());
    EXPECT_EQ(UncoveredArea(was, Rect{100, 100, 200, 140}, false), (std::vector<Rect>{{100, 140, 200, 150}}));
    // Re-ordered in place: the whole window, whatever lay above or below it.
    EXPECT_EQ(UncoveredArea(was, was, true), std::vector<Rect>{was});
}

TEST(UncoveredArea, WindowsToRepaintAreThoseMeetingTheArea)
{
    WindowPlaces places;
    places.set(1, Rect{0, 0, 100, 100});
    places.set(2, Rect{100, 0, 200, 100});  // touches 1's right edge without meeting it
    places.set(3, Rect{0, 300, 100, 400});
    EXPECT_EQ(Sorted(places.meeting({{50, 50, 150, 60}})), (std::vector<uintptr_t>{1, 2}));
    EXPECT_EQ(Sorted(places.meeting({{99, 0, 100, 1}, {0, 399, 1, 400}})), (std::vector<uintptr_t>{1, 3}));
    EXPECT_TRUE(places.meeting({{100, 100, 300, 300}}).empty());
    EXPECT_TRUE(places.meeting({}).empty());
    // A window hidden or gone drops out; one moved is met where it is now.
    places.set(1, std::nullopt);
    places.set(3, Rect{500, 500, 600, 600});
    EXPECT_EQ(places.size(), 2u);
    EXPECT_EQ(Sorted(places.meeting({{0, 0, 550, 550}})), (std::vector<uintptr_t>{2, 3}));
}
