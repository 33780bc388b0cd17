// Plain rectangles, points and lines of the pure core, in window coordinates.
#pragma once
#include <cstdint>
#include <vector>

namespace lume {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Point&) const = default;
};

// (left, top, right, bottom), right and bottom exclusive unless said otherwise.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

// The overlap of `a` and `b`; an empty rectangle when they do not meet.
Rect IntersectRects(const Rect& a, const Rect& b) noexcept;
inline bool Intersects(const Rect& a, const Rect& b) noexcept { return !IntersectRects(a, b).empty(); }

// `a` minus `b`, as up to four disjoint rectangles.
std::vector<Rect> SubtractRect(const Rect& a, const Rect& b);

} // namespace lume
