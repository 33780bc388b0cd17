// Reading back what is on the screen, in a window's coordinates.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "tests/common/bmp_writer.h"
#include "tests/win/win_test_support.h"

namespace lume::test {

// The pixels of a screen area, as COLORREF values (0x00BBGGRR).
struct Capture {
    RECT area{};
    std::vector<uint32_t> pixels;

    int width() const { return area.right - area.left; }
    int height() const { return area.bottom - area.top; }
    // (x, y) relative to the area's top-left corner.
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width() + x]; }
    bool operator==(const Capture& other) const { return pixels == other.pixels; }
};

inline Capture CaptureScreen(const RECT& area)
{
    Capture capture;
    capture.area = area;
    const int width = area.right - area.left, height = area.bottom - area.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    // Only the part on the screen: a blit reaching past its edge copies nothing at all.
    const int left = std::max<int>(area.left, 0), top = std::max<int>(area.top, 0);
    const int right = std::min<int>(area.right, GetSystemMetrics(SM_CXSCREEN));
    const int bottom = std::min<int>(area.bottom, GetSystemMetrics(SM_CYSCREEN));
    if (right > left && bottom > top)
        BitBlt(memory, left - area.left, top - area.top, right - left, bottom - top, screen, left, top, SRCCOPY);
    GdiFlush();
    capture.pixels.resize(static_cast<size_t>(width) * height);
    const auto* source = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < capture.pixels.size(); ++i) {
        uint32_t p = source[i];  // 0x00RRGGBB
        capture.pixels[i] = ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return capture;
}

inline Capture CaptureWindow(HWND window)
{
    RECT area{};
    GetWindowRect(window, &area);
    return CaptureScreen(area);
}

// A screen area once it has stopped changing: read until two reads 50 ms apart agree.
inline Capture CaptureScreenSettled(const RECT& area, HWND owner = nullptr)
{
    Capture last, current;
    WaitFor([&] {
        if (owner)
            SyncWith(owner);
        current = CaptureScreen(area);
        bool settled = !last.pixels.empty() && current == last;
        last = current;
        if (!settled)
            Sleep(50);
        return settled;
    });
    return current;
}

// The window as it shows once its own painting has reached the screen: its
// thread is made idle, then the screen is read until two reads agree.
inline Capture CaptureSettled(HWND window)
{
    RECT area{};
    GetWindowRect(window, &area);
    return CaptureScreenSettled(area, window);
}

// Writes a screen area as a 24-bit BMP file.
inline void SaveScreenBmp(const RECT& area, const std::string& path)
{
    const Capture capture = CaptureScreen(area);
    const std::vector<uint8_t> bmp = MakeBmp(40, capture.width(), -capture.height(), 24, 0, [&](int x, int y) {
        const uint32_t c = capture.at(x, y);
        return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    });
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
}

} // namespace lume::test
