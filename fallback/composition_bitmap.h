// The memory bitmap a caption is composed in: owned by the painter, kept from
// one paint to the next, and grown when a window needs more.
#pragma once
#include "compose/caption_paint.h"

namespace lume {

class CompositionBitmap {
public:
    CompositionBitmap() = default;
    ~CompositionBitmap() { dib_.release(); }
    CompositionBitmap(const CompositionBitmap&) = delete;
    CompositionBitmap& operator=(const CompositionBitmap&) = delete;

    // A memory DC over a bitmap of at least width x height; null when it cannot be made.
    HDC prepare(int32_t width, int32_t height) { return dib_.prepare(width, height); }
    const CompositionDib& dib() const { return dib_; }
    uint32_t* pixels() const { return dib_.pixels; }
    int32_t width() const { return dib_.width; }

private:
    CompositionDib dib_;
};

} // namespace lume
