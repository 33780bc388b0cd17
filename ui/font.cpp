#include "ui/font.h"

#include "resources/texts.h"
#include "ui/wide_text.h"

namespace lume::ui {

int ScreenPixelsPerInch()
{
    HDC screen = GetDC(nullptr);
    int pixelsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return pixelsPerInch > 0 ? pixelsPerInch : 96;
}

Font::Font()
{
    attributes_.face = texts::NewFontFace;
    attributes_.setSize(9, ScreenPixelsPerInch());
}

FontSpec& Font::changed()
{
    handle_.reset();  // made again on the next use
    return attributes_;
}

void Font::setFace(std::string_view name) { changed().setFace(name); }

void Font::setSize(int32_t points) { changed().setSize(points, ScreenPixelsPerInch()); }

void Font::setStyle(uint8_t style) { changed().style = style; }

void Font::assign(const FontSpec& attributes) { changed() = attributes; }

HFONT Font::handle() const
{
    if (!handle_) {
        // The face is cp932 text: converted with code page 932 it names the same
        // font on every system.
        LOGFONTW description{};
        description.lfHeight = attributes_.height;
        description.lfWeight = (attributes_.style & FontBold) ? FW_BOLD : FW_NORMAL;
        description.lfItalic = (attributes_.style & FontItalic) != 0;
        description.lfUnderline = (attributes_.style & FontUnderline) != 0;
        description.lfStrikeOut = (attributes_.style & FontStrikeOut) != 0;
        description.lfCharSet = DEFAULT_CHARSET;
        description.lfOutPrecision = OUT_DEFAULT_PRECIS;
        description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        description.lfQuality = DEFAULT_QUALITY;
        description.lfPitchAndFamily = DEFAULT_PITCH;
        lstrcpynW(description.lfFaceName, Widened(attributes_.face).c_str(), LF_FACESIZE);
        handle_.reset(CreateFontIndirectW(&description));
    }
    return handle_.get();
}

} // namespace lume::ui
