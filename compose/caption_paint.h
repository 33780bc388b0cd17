// Composing a caption off-screen and putting it on a window: the GDI steps
// shared by the hook library, which paints every caption in the window's own
// thread, and the program, which paints from outside only where no hook runs.
// No C or C++ runtime: nothing here allocates or throws.
#pragma once
#include <windows.h>

#include "compose/caption_composition.h"
#include "compose/look_rules.h"
#include "core/win_handles.h"

namespace lume {

// The system's frame metrics behind CaptionMetrics, read through `metric`
// (GetSystemMetrics, or GetSystemMetricsForDpi at `dpi`).
template <class Metric>
SystemFrameMetrics FrameMetricsAt(Metric metric, int32_t dpi) noexcept
{
    return {metric(SM_CXFRAME), metric(SM_CYFRAME),  metric(SM_CXDLGFRAME),   metric(SM_CYDLGFRAME),
            metric(SM_CYCAPTION), metric(SM_CYSMCAPTION), dpi};
}

// Far larger than any screen: a window claiming more is not composed.
constexpr int32_t CompositionSideLimit = 16384;

// The memory bitmap a caption is composed in (32-bit, top-down), kept from
// one paint to the next and grown when a window needs more. Plain data, so
// that the hook can keep it in module state; its owner calls release().
struct CompositionDib {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ original = nullptr;  // the DC's own bitmap, put back before it goes
    uint32_t* pixels = nullptr;  // 0x00RRGGBB
    int32_t width = 0;
    int32_t height = 0;

    // The memory DC over a bitmap of at least width x height; null when it
    // cannot be made (tried again at the next call).
    HDC prepare(int32_t needWidth, int32_t needHeight) noexcept;
    void release() noexcept;
};

// A 32-bit top-down DIB section; its pixels in `pixels`, null on failure.
HBITMAP NewDibSection(int32_t width, int32_t height, uint32_t** pixels) noexcept;

// What the surface step draws from: a DC with the surface's bitmap, exactly
// width x height, selected.
struct SurfaceSource {
    SurfaceKind kind = SurfaceKind::Default;
    HDC dc = nullptr;
    int32_t width = 0;
    int32_t height = 0;
};

// The background step: false when it drew nothing, and the system's
// background stays.
bool PaintSurface(HDC dc, const SurfaceSource& surface, const Rect& caption) noexcept;

struct CaptionText {
    HFONT font = nullptr;  // none: the text, the edge and the grooves are left out
    const wchar_t* title = nullptr;
    uint32_t length = 0;
    int32_t shadowShift = 0;
};

// Composes the caption in `composition` in the order the steps overlap:
// surface, text with its shadow, edge, grooves. Without a surface of ours the
// text goes over the system's background taken from `system`, when there is
// one. True when the surface step drew.
bool ComposeCaption(const CompositionDib& composition, const CaptionLayout& layout, const CompositionBands& bands,
                    const SurfaceSource& surface, const CaptionText& text, HDC system) noexcept;

// Each of `rects`, moved by `offset`, combined into `region` with `mode`
// (RGN_OR, RGN_DIFF, ...): how every clip of a caption is built.
template <class Rects>
void CombineRects(HRGN region, const Rects& rects, Point offset, int mode) noexcept
{
    const win::GdiObject<HRGN> part(CreateRectRgn(0, 0, 0, 0));
    if (!part)
        return;
    for (const Rect& r : rects) {
        SetRectRgn(part.get(), r.left + offset.x, r.top + offset.y, r.right + offset.x, r.bottom + offset.y);
        CombineRgn(region, region, part.get(), mode);
    }
}

// The pixels a paint sets less what it leaves alone, moved by `offset`, as a
// region the caller deletes; null when it cannot be made.
HRGN CaptionClipRegion(const CaptionLayout& layout, bool fullRepaint, bool withLines, Point offset) noexcept;

// Puts the composed bands on `target`, whose origin is the window's top-left.
void PutComposedCaption(HDC target, const CompositionDib& composition, const CompositionBands& bands) noexcept;

} // namespace lume
