#include "painter/composition_bitmap.h"

#include <algorithm>

namespace lume {

namespace {

// Far larger than any screen: a window claiming more is not composed.
constexpr int32_t LargestSide = 16384;

} // namespace

HDC CompositionBitmap::prepare(int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0 || width > LargestSide || height > LargestSide)
        return nullptr;
    // A DC that could not be made (no GDI handle left) is tried again.
    if (!dc_ || !dc_->get() || width > bitmap_.width || height > bitmap_.height) {
        dc_.reset();
        bitmap_ = NewSurfaceBitmap(std::max(width, bitmap_.width), std::max(height, bitmap_.height));
        if (!bitmap_.bitmap)
            return nullptr;
        dc_ = std::make_unique<ui::MemoryDc>(bitmap_.bitmap.get());
    }
    return dc_->get();
}

} // namespace lume
