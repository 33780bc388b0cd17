#include "ui/font_rules.h"

namespace lume::ui {

int32_t MulDivRounded(int32_t number, int32_t numerator, int32_t denominator) noexcept
{
    if (denominator == 0)
        return -1;
    int64_t product = static_cast<int64_t>(number) * numerator;
    if (denominator < 0) {
        product = -product;
        denominator = -denominator;
    }
    int64_t half = denominator / 2;
    int64_t result = product < 0 ? (product - half) / denominator : (product + half) / denominator;
    if (result > INT32_MAX || result < -INT32_MAX)
        return -1;
    return static_cast<int32_t>(result);
}

int32_t PointsToHeight(int32_t points, int32_t pixelsPerInch) noexcept
{
    return -MulDivRounded(points, pixelsPerInch, 72);
}

int32_t HeightToPoints(int32_t height, int32_t pixelsPerInch) noexcept
{
    return -MulDivRounded(height, 72, pixelsPerInch);
}

void FontSpec::setFace(std::string_view name)
{
    if (!name.empty())
        face = name.substr(0, MaxFaceNameBytes);
}

} // namespace lume::ui
