// The options dialog's three platform dialogs: colour, file and font.
#include <windows.h>
#include <commdlg.h>

#include "resources/texts.h"
#include "settings/option_dialog.h"
#include "settings/option_labels.h"

namespace lume {

namespace {

LOGFONTA LogFontOf(const ui::FontSpec& font)
{
    LOGFONTA logFont{};
    logFont.lfHeight = font.height;
    logFont.lfWeight = (font.style & ui::FontBold) ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = (font.style & ui::FontItalic) != 0;
    logFont.lfUnderline = (font.style & ui::FontUnderline) != 0;
    logFont.lfStrikeOut = (font.style & ui::FontStrikeOut) != 0;
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(logFont.lfFaceName, font.face.c_str(), LF_FACESIZE);
    return logFont;
}

} // namespace

OptionPickers PlatformPickers()
{
    OptionPickers pickers;
    pickers.pickColor = [](HWND owner, COLORREF& color, COLORREF* customColors) {
        CHOOSECOLORA choose{};
        choose.lStructSize = sizeof choose;
        choose.hwndOwner = owner;
        choose.rgbResult = color;
        choose.lpCustColors = customColors;
        choose.Flags = CC_RGBINIT;
        if (!ChooseColorA(&choose))
            return false;
        color = choose.rgbResult;
        return true;
    };
    pickers.pickFile = [](HWND owner, std::string& path) {
        const std::string filter = FileDialogFilter(texts::TextureFilter);
        char file[MAX_PATH] = {};
        lstrcpynA(file, path.c_str(), MAX_PATH);
        OPENFILENAMEA open{};
        open.lStructSize = sizeof open;
        open.hwndOwner = owner;
        open.lpstrFilter = filter.c_str();
        open.lpstrFile = file;
        open.nMaxFile = MAX_PATH;
        open.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
        if (!GetOpenFileNameA(&open))
            return false;
        path = file;
        return true;
    };
    pickers.pickFont = [](HWND owner, ui::FontSpec& font) {
        LOGFONTA logFont = LogFontOf(font);
        CHOOSEFONTA choose{};
        choose.lStructSize = sizeof choose;
        choose.hwndOwner = owner;
        choose.lpLogFont = &logFont;
        choose.rgbColors = font.color;
        choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS | CF_FORCEFONTEXIST;
        if (!ChooseFontA(&choose))
            return false;
        font.setFace(logFont.lfFaceName);
        font.height = logFont.lfHeight;
        font.style = static_cast<uint8_t>((logFont.lfWeight > FW_NORMAL ? ui::FontBold : 0) |
                                          (logFont.lfItalic ? ui::FontItalic : 0) |
                                          (logFont.lfUnderline ? ui::FontUnderline : 0) |
                                          (logFont.lfStrikeOut ? ui::FontStrikeOut : 0));
        font.color = choose.rgbColors;
        return true;
    };
    return pickers;
}

} // namespace lume
