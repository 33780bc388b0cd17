// The options dialog's platform dialogs: colour, file, font, and the menu of
// running programs. They speak UTF-16; what they give back is kept as the
// options file holds it, cp932 text.
#include <windows.h>
#include <commdlg.h>

#include "core/user_error.h"
#include "resources/texts.h"
#include "settings/option_dialog.h"
#include "settings/option_labels.h"
#include "ui/handles.h"
#include "ui/late_library.h"
#include "ui/wide_text.h"

namespace lume {

namespace {

LOGFONTW LogFontOf(const ui::FontSpec& font)
{
    LOGFONTW logFont{};
    logFont.lfHeight = font.height;
    logFont.lfWeight = (font.style & ui::FontBold) ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = (font.style & ui::FontItalic) != 0;
    logFont.lfUnderline = (font.style & ui::FontUnderline) != 0;
    logFont.lfStrikeOut = (font.style & ui::FontStrikeOut) != 0;
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(logFont.lfFaceName, ui::Widened(font.face).c_str(), LF_FACESIZE);
    return logFont;
}

bool PickColor(HWND owner, COLORREF& color, COLORREF* customColors)
{
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.rgbResult = color;
    choose.lpCustColors = customColors;
    choose.Flags = CC_RGBINIT;
    auto chooseColorW = ui::LateBound<decltype(ChooseColorW)>("comdlg32.dll", "ChooseColorW");
    if (!chooseColorW || !chooseColorW(&choose))
        return false;
    color = choose.rgbResult;
    return true;
}

bool PickFile(HWND owner, std::string& path)
{
    const std::wstring filter = ui::Widened(FileDialogFilter(texts::TextureFilter.get()));
    wchar_t file[MAX_PATH] = {};
    lstrcpynW(file, ui::Widened(path).c_str(), MAX_PATH);
    OPENFILENAMEW open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = owner;
    open.lpstrFilter = filter.c_str();
    open.lpstrFile = file;
    open.nMaxFile = MAX_PATH;
    open.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    auto getOpenFileNameW = ui::LateBound<decltype(GetOpenFileNameW)>("comdlg32.dll", "GetOpenFileNameW");
    if (!getOpenFileNameW || !getOpenFileNameW(&open))
        return false;
    std::optional<std::string> kept = ui::Cp932Path(file);
    if (!kept)
        throw UserError(texts::NotInOptionsFile);
    path = *kept;
    return true;
}

bool PickFont(HWND owner, ui::FontSpec& font)
{
    LOGFONTW logFont = LogFontOf(font);
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.lpLogFont = &logFont;
    choose.rgbColors = font.color;
    choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS | CF_FORCEFONTEXIST;
    auto chooseFontW = ui::LateBound<decltype(ChooseFontW)>("comdlg32.dll", "ChooseFontW");
    if (!chooseFontW || !chooseFontW(&choose))
        return false;
    // A face cp932 cannot hold could not be saved: the old face stays.
    std::optional<std::string> face = ui::Narrowed(logFont.lfFaceName);
    if (!face)
        throw UserError(texts::NotInOptionsFile);
    font.setFace(*face);
    font.height = logFont.lfHeight;
    font.style = static_cast<uint8_t>((logFont.lfWeight > FW_NORMAL ? ui::FontBold : 0) |
                                      (logFont.lfItalic ? ui::FontItalic : 0) |
                                      (logFont.lfUnderline ? ui::FontUnderline : 0) |
                                      (logFont.lfStrikeOut ? ui::FontStrikeOut : 0));
    font.color = choose.rgbColors;
    return true;
}

// The names as a menu at the pointer; the chosen one is the answer.
bool PickProgram(HWND owner, const std::vector<std::u16string>& names, std::u16string& program)
{
    ui::MenuHandle menu(CreatePopupMenu());
    for (size_t i = 0; i < names.size(); ++i)
        AppendMenuW(menu.get(), MF_STRING, i + 1, std::wstring(ui::AsWide(names[i])).c_str());
    POINT at{};
    GetCursorPos(&at);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, owner, nullptr));
    if (chosen == 0 || chosen > names.size())
        return false;
    program = names[chosen - 1];
    return true;
}

} // namespace

OptionPickers PlatformPickers()
{
    OptionPickers pickers;
    pickers.pickColor = PickColor;
    pickers.pickFile = PickFile;
    pickers.pickFont = PickFont;
    pickers.pickProgram = PickProgram;
    return pickers;
}

} // namespace lume
