#include <gtest/gtest.h>

#include "ui/tray_icon_list.h"

using namespace lume;
using namespace lume::ui;

TEST(TrayIconList, TrayIconIds)
{
    int a, b, c, d;
    TrayIconList<int> list;
    EXPECT_EQ(list.nextId(), 1);
    list.append(list.nextId(), &a);
    EXPECT_EQ(list.nextId(), 2);
    list.append(2, &b);
    list.find(2)->id = "5";  // the second's ID set to 5: the next is 6
    EXPECT_EQ(list.nextId(), 6);
    list.find(5)->id = "2";
    list.find(1)->id = "3";  // the first's set to 3 instead: the last entry is "2", so 3 again
    EXPECT_EQ(list.nextId(), 3);
    list.append(3, &c);
    ASSERT_EQ(list.entries().size(), 3u);
    EXPECT_EQ(list.find(3)->component, &a);  // two "3" entries: the first is found
    list.removeFirst(3);
    EXPECT_EQ(list.find(3)->component, &c);
    EXPECT_EQ(list.find(7), nullptr);
    (void)d;
}
