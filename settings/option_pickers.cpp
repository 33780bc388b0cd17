// The options dialog's three platform dialogs: colour, file and font.
#include <windows.h>
#include <commdlg.h>

#include "resources/texts.h"
#include "settings/option_dialog.h"
#include "settings/option_labels.h"
#include "painter/window_program.h"
#include "ui/handles.h"
#include "ui/late_library.h"

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
        auto chooseColorA = ui::LateBound<decltype(ChooseColorA)>("comdlg32.dll", "ChooseColorA");
        if (!chooseColorA || !chooseColorA(&choose))
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
        auto getOpenFileNameA = ui::LateBound<decltype(GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
        if (!getOpenFileNameA || !getOpenFileNameA(&open))
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
        auto chooseFontA = ui::LateBound<decltype(ChooseFontA)>("comdlg32.dll", "ChooseFontA");
        if (!chooseFontA || !chooseFontA(&choose))
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
    pickers.pickProgram = [](HWND owner, std::string& program) {
        // The names as a menu at the pointer; the chosen one is the answer.
        const std::vector<std::string> names = RunningProgramNames();
        ui::MenuHandle menu(CreatePopupMenu());
        for (size_t i = 0; i < names.size(); ++i)
            AppendMenuA(menu.get(), MF_STRING, i + 1, names[i].c_str());
        POINT at{};
        GetCursorPos(&at);
        const UINT chosen = static_cast<UINT>(
            TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, owner,
                           nullptr));
        if (chosen == 0 || chosen > names.size())
            return false;
        program = names[chosen - 1];
        return true;
    };
    return pickers;
}

} // namespace lume
