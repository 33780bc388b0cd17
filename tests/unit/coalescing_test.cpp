#include <gtest/gtest.h>

#include "fallback/coalescing.h"

using namespace lume;

namespace {

constexpr uint32_t C = UM_CAPTIONCHANGED, T = UM_CAPTIONTOUCHED;
constexpr uintptr_t W = 0x100, X = 0x200;
using Entries = std::vector<NotificationQueue::Entry>;

Entries AfterHandling(uint32_t handled, uintptr_t window, Entries queued, int expectDropped)
{
    NotificationQueue queue{std::move(queued)};
    EXPECT_EQ(DropFollowingNotifications(handled, window, queue), expectDropped);
    return queue.entries;
}

} // namespace

TEST(Coalescing, WhatEachHandlerDrops)
{
    // After C(W): both kinds for W, up to the first for another window.
    EXPECT_EQ(AfterHandling(C, W, {{C, W}, {T, W}, {C, W}, {C, X}, {C, W}}, 3), (Entries{{C, X}, {C, W}}));
    // After T(W): only T; C lies outside the range, neither stopping nor dropped.
    EXPECT_EQ(AfterHandling(T, W, {{C, W}, {T, W}, {T, X}, {T, W}}, 1), (Entries{{C, W}, {T, X}, {T, W}}));
    EXPECT_EQ(AfterHandling(T, W, {{C, X}, {T, W}}, 1), (Entries{{C, X}}));
    EXPECT_EQ(AfterHandling(C, W, {}, 0), Entries{});
    EXPECT_EQ(AfterHandling(C, W, {{T, X}, {C, W}}, 0), (Entries{{T, X}, {C, W}}));
}
