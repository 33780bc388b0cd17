// The class library's font object: face, size in points, style bits and a
// colour, with a GDI font made on demand in DEFAULT_CHARSET so that cp932
// faces and text render.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "ui/font_rules.h"
#include "ui/handles.h"

namespace lume::ui {

// Pixels per logical inch of the display, which point sizes are measured in.
int ScreenPixelsPerInch();

class Font {
public:
    // "ＭＳ Ｐゴシック", 9 points, no style.
    Font();

    const std::string& face() const { return attributes_.face; }
    void setFace(std::string_view name);  // first 31 bytes; empty leaves the face
    int32_t size() const { return attributes_.size(ScreenPixelsPerInch()); }
    void setSize(int32_t points);
    int32_t height() const { return attributes_.height; }
    uint8_t style() const { return attributes_.style; }
    void setStyle(uint8_t style);
    uint32_t color() const { return attributes_.color; }
    void setColor(uint32_t color) { attributes_.color = color; }

    const FontSpec& attributes() const { return attributes_; }
    FontSpec& attributes() { return changed(); }
    void assign(const FontSpec& attributes);

    // The GDI font for the current face, height and style.
    HFONT handle() const;

private:
    FontSpec& changed();

    FontSpec attributes_;
    mutable FontHandle handle_;
};

} // namespace lume::ui
