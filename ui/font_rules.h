// The rules of a font object that the settings rely on, without the GDI font:
// face-name limit, point size <-> character height, the four style bits.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace lume::ui {

// Bits of a font's style set; the other bits mean nothing.
enum FontStyleBit : uint8_t {
    FontBold = 1,
    FontItalic = 2,
    FontUnderline = 4,
    FontStrikeOut = 8,
};

constexpr size_t MaxFaceNameBytes = 31;  // the platform's face-name limit less the terminator

// Multiplies into 64 bits and divides, rounding half away from zero; -1 when
// the denominator is 0 or the result leaves the 32-bit range (as MulDiv does).
int32_t MulDivRounded(int32_t number, int32_t numerator, int32_t denominator) noexcept;

// Character height in pixels (negative: em height) for a point size, and back.
int32_t PointsToHeight(int32_t points, int32_t pixelsPerInch) noexcept;
int32_t HeightToPoints(int32_t height, int32_t pixelsPerInch) noexcept;

// What a font object holds apart from its GDI handle.
struct FontSpec {
    std::string face;
    int32_t height = 0;  // pixels, negative for an em height
    uint8_t style = 0;   // FontStyleBit set
    uint32_t color = 0;  // COLORREF; only the font dialog sets it

    // The first MaxFaceNameBytes bytes; an empty name leaves the face as it is.
    void setFace(std::string_view name);
    void setSize(int32_t points, int32_t pixelsPerInch) { height = PointsToHeight(points, pixelsPerInch); }
    int32_t size(int32_t pixelsPerInch) const { return HeightToPoints(height, pixelsPerInch); }
    bool operator==(const FontSpec&) const = default;
};

} // namespace lume::ui
