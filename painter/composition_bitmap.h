// The memory bitmap a caption is composed in: owned by the painter, kept from
// one paint to the next, and grown when a window needs more.
#pragma once
#include <windows.h>

#include <memory>

#include "painter/surfaces.h"
#include "ui/handles.h"

namespace lume {

class CompositionBitmap {
public:
    // A memory DC over a bitmap of at least width x height; null when it cannot be made.
    HDC prepare(int32_t width, int32_t height);
    uint32_t* pixels() const { return bitmap_.pixels; }
    int32_t width() const { return bitmap_.width; }

private:
    SurfaceBitmap bitmap_;
    std::unique_ptr<ui::MemoryDc> dc_;  // selects bitmap_, so it goes first
};

} // namespace lume
