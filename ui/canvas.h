// A drawing surface over a DC it does not own: it selects the font as drawing
// needs it and puts the DC's own font back when it ends.
#pragma once
#include <windows.h>

namespace lume::ui {

class Canvas {
public:
    explicit Canvas(HDC dc) : dc_(dc) {}
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    void selectFont(HFONT font);

private:
    HDC dc_;
    HGDIOBJ originalFont_ = nullptr;
};

} // namespace lume::ui
