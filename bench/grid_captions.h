// A grid of sample windows of another process, and their captions read off
// the screen until they show a look of one colour: for the benchmarks of a
// change of look.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "tests/win/screen_capture.h"
#include "tests/win/win_test_support.h"

namespace lume::bench {

// The grid's `count` windows, once the last has opened; none when it did not.
inline std::vector<HWND> GridWindows(int count)
{
    if (!test::WaitForWindow(nullptr, ("Grid " + std::to_string(count - 1)).c_str()))
        return {};
    std::vector<HWND> windows;
    for (int i = 0; i < count; ++i)
        windows.push_back(FindWindowA(nullptr, ("Grid " + std::to_string(i)).c_str()));
    test::SyncWith(windows.front());
    return windows;
}

// A point of each caption on the screen, right inside its top-left corner,
// where no letter reaches; the windows off the desktop left out.
inline std::vector<POINT> CaptionPoints(const std::vector<HWND>& windows)
{
    std::vector<POINT> points;
    const int frame = GetSystemMetrics(SM_CXFRAME);
    for (HWND window : windows) {
        RECT place{};
        GetWindowRect(window, &place);
        const POINT point{place.left + frame + 1, place.top + frame + 1};
        if (point.x < 1024 && point.y < 740)  // above the taskbar
            points.push_back(point);
    }
    return points;
}

// True when all the points show `colour` (or, `all` false, none does). A row
// of the screen is read at a time: reading must not slow down the painting
// it waits for.
inline bool Show(const std::vector<POINT>& points, COLORREF colour, bool all)
{
    test::Capture row;
    for (const POINT& point : points) {
        if (row.pixels.empty() || row.area.top != point.y)
            row = test::CaptureScreen({0, point.y, 1024, point.y + 1});
        if (((row.at(point.x, 0) & 0xFFFFFF) == colour) != all)
            return false;
    }
    return true;
}

// Microseconds from `start` until Show() holds, at most 5 s; with a pause
// between readings.
inline double WaitUntilShown(const std::vector<POINT>& points, COLORREF colour, bool all, double start)
{
    while (!Show(points, colour, all) && NowMicroseconds() - start < 5e6)
        Sleep(1);
    return NowMicroseconds() - start;
}

} // namespace lume::bench
