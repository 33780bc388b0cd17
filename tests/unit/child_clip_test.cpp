#include <gtest/gtest.h>

#include <cstdint>

#include "fallback/child_clip.h"

using namespace lume;

namespace {

int64_t Area(const std::vector<Rect>& rects)
{
    int64_t area = 0;
    for (const Rect& r : rects)
        area += int64_t{r.width()} * r.height();
    return area;
}

bool Covers(const std::vector<Rect>& rects, int x, int y)
{
    for (const Rect& r : rects)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return true;
    return false;
}

} // namespace

TEST(ChildClip, VisibleAreaOfAChild)
{
    const Rect client{0, 0, 500, 300};
    // Inside, nothing above it: the whole child.
    EXPECT_EQ(VisibleChildArea({10, 10, 310, 190}, client, {}), (std::vector<Rect>{{10, 10, 310, 190}}));
    // Partly outside the parent's client area: cut to it.
    EXPECT_EQ(VisibleChildArea({400, 250, 700, 430}, client, {}), (std::vector<Rect>{{400, 250, 500, 300}}));
    EXPECT_TRUE(VisibleChildArea({600, 10, 700, 50}, client, {}).empty());

    // Overlapped by one sibling: everything but the overlap, each pixel once.
    const Rect child{10, 10, 310, 190}, upper{150, 90, 450, 270};
    std::vector<Rect> once = VisibleChildArea(child, client, {upper});
    EXPECT_EQ(Area(once), 300 * 180 - 160 * 100);
    EXPECT_TRUE(Covers(once, 10, 10));
    EXPECT_TRUE(Covers(once, 149, 189));
    EXPECT_FALSE(Covers(once, 150, 90));
    EXPECT_FALSE(Covers(once, 309, 189));

    // By two siblings, one of them overlapping the other.
    std::vector<Rect> twice = VisibleChildArea(child, client, {upper, {0, 0, 60, 60}});
    EXPECT_EQ(Area(twice), 300 * 180 - 160 * 100 - 50 * 50);
    EXPECT_FALSE(Covers(twice, 59, 59));
    EXPECT_TRUE(Covers(twice, 60, 59));

    // Fully covered.
    EXPECT_TRUE(VisibleChildArea(child, client, {{0, 0, 400, 200}}).empty());
}
