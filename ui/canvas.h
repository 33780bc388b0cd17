// A drawing surface over a DC it does not own: it selects pen and font as
// drawing needs them and puts the DC's own objects back when it ends.
#pragma once
#include <windows.h>

#include "core/geometry.h"
#include "ui/handles.h"

namespace lume::ui {

class Canvas {
public:
    explicit Canvas(HDC dc) : dc_(dc) {}
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }

    // A one-pixel solid pen; false when it cannot be made.
    bool setPen(COLORREF color);
    void selectFont(HFONT font);
    // From `from` up to but not including `to`.
    void line(Point from, Point to);

private:
    HDC dc_;
    GdiObject<HPEN> pen_;
    HGDIOBJ originalPen_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
};

} // namespace lume::ui
