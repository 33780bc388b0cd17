// The options dialog's pages: what their controls hold, filled from the
// settings and read back into them, and the three pickers.
#include "settings/option_dialog.h"

#include "resources/texts.h"
#include "settings/option_labels.h"
#include "ui/application.h"
#include "ui/dialog_controls.h"
#include "ui/wide_text.h"

namespace lume {

HWND TDlgOption::control(const std::string& name) const
{
    auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

std::string TDlgOption::text(const std::string& name) const
{
    return ui::Narrowed(ui::WindowText(control(name))).value_or("");
}

void TDlgOption::setText(const std::string& name, const std::string& text)
{
    ui::SetWindowTextCp932(control(name), text);
}

COLORREF TDlgOption::swatchColor(const std::string& name) const { return ui::SwatchColor(control(name)); }

void TDlgOption::setSwatchColor(const std::string& name, COLORREF color) { ui::SetSwatchColor(control(name), color); }

bool TDlgOption::checked(const std::string& name) const
{
    return SendMessageA(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TDlgOption::setChecked(const std::string& name, bool isChecked)
{
    SendMessageA(control(name), BM_SETCHECK, isChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int TDlgOption::selectedItem(const std::string& radioGroup) const
{
    for (int item = 0; item < RadioItems; ++item)
        if (checked(radioGroup + "." + std::to_string(item)))
            return item;
    return -1;
}

void TDlgOption::selectItem(const std::string& radioGroup, int item)
{
    for (int i = 0; i < RadioItems; ++i)
        setChecked(radioGroup + "." + std::to_string(i), i == item);
}

int TDlgOption::spinValue(const std::string& name) const { return SpinEditValue(text(name)); }

void TDlgOption::Fill(const CaptionSettings& settings, const ui::Font& normalFont, const ui::Font& toolFont)
{
    for (const auto& [look, group] : {std::pair<std::string, const CaptionLook*>{"Act", &settings.Active},
                                      std::pair<std::string, const CaptionLook*>{"Inact", &settings.Inactive}}) {
        selectItem("Grp" + look + "Surface", static_cast<int>(group->Surface));
        setSwatchColor("Pnl" + look + "Letter", group->Letter);
        setSwatchColor("Pnl" + look + "Shadow", group->Shadow);
        setSwatchColor("Pnl" + look + "Left", group->Left);
        setSwatchColor("Pnl" + look + "Right", group->Right);
        setSwatchColor("Pnl" + look + "LED", group->LED);
        setText("Edt" + look + "Texture", group->Texture);
    }
    filled_ = settings;
    const CommonSettings& common = settings.Common;
    FontNormal.assign(normalFont.attributes());
    setText("SpinEdtXShiftNormal", std::to_string(common.NormalXShift));
    setText("SpinEdtYShiftNormal", std::to_string(common.NormalYShift));
    FontTool.assign(toolFont.attributes());
    setText("SpinEdtXShiftTool", std::to_string(common.ToolXShift));
    setText("SpinEdtYShiftTool", std::to_string(common.ToolYShift));
    setText("SpinEdtShadow", std::to_string(common.ShadowShift));
    setChecked("ChkBoxDrawNoBtns", common.NoButtons);
    setChecked("ChkBoxDrawNoClose", common.NoCloseButton);
    setChecked("ChkBoxSBNoCust", common.SBNoCust);
    selectItem("GrpComposed", static_cast<int>(common.Composed));
}

void TDlgOption::CopyBack(CaptionSettings& settings, ui::Font& normalFont, ui::Font& toolFont) const
{
    copySettings(settings, false);
    normalFont.assign(FontNormal.attributes());
    toolFont.assign(FontTool.attributes());
}

LookChoice TDlgOption::Candidate() const
{
    LookChoice choice{filled_, FontNormal.attributes(), FontTool.attributes()};
    copySettings(choice.settings, true);
    return choice;
}

void TDlgOption::copySettings(CaptionSettings& settings, bool quiet) const
{
    for (const auto& [look, group] : {std::pair<std::string, CaptionLook*>{"Act", &settings.Active},
                                      std::pair<std::string, CaptionLook*>{"Inact", &settings.Inactive}}) {
        int surface = selectedItem("Grp" + look + "Surface");
        if (surface >= 0 && surface <= 2)
            group->Surface = static_cast<SurfaceKind>(surface);
        group->Letter = swatchColor("Pnl" + look + "Letter");
        group->Shadow = swatchColor("Pnl" + look + "Shadow");
        group->Left = swatchColor("Pnl" + look + "Left");
        group->Right = swatchColor("Pnl" + look + "Right");
        group->LED = swatchColor("Pnl" + look + "LED");
        group->Texture = texturePath("Edt" + look + "Texture", group->Texture, quiet);
    }
    CommonSettings& common = settings.Common;
    common.NormalXShift = spinValue("SpinEdtXShiftNormal");
    common.NormalYShift = spinValue("SpinEdtYShiftNormal");
    common.ToolXShift = spinValue("SpinEdtXShiftTool");
    common.ToolYShift = spinValue("SpinEdtYShiftTool");
    common.ShadowShift = spinValue("SpinEdtShadow");
    common.NoButtons = checked("ChkBoxDrawNoBtns");
    common.NoCloseButton = checked("ChkBoxDrawNoClose");
    common.SBNoCust = checked("ChkBoxSBNoCust");
    const int composed = selectedItem("GrpComposed");
    if (composed >= 0)
        common.Composed = static_cast<ComposedFrames>(composed);
}

std::string TDlgOption::texturePath(const std::string& edit, const std::string& old, bool quiet) const
{
    // The options file holds cp932 text: a path it cannot hold is never
    // saved with "?" in it.
    if (auto path = ui::Cp932Path(ui::WindowText(control(edit))))
        return *path;
    if (!quiet)
        ui::Application::instance().showError(texts::NotInOptionsFile);
    return old;
}

void TDlgOption::UpdateFontLabels()
{
    for (const auto& [kind, font] : {std::pair<std::string, const ui::Font*>{"Normal", &FontNormal},
                                     std::pair<std::string, const ui::Font*>{"Tool", &FontTool}}) {
        setText("LblFontName" + kind, FontNameLabel(font->face()));
        setText("LblFontSize" + kind, FontSizeLabel(font->size()));
        setText("LblFontStyle" + kind, FontStyleLabel(font->style()));
    }
}

void TDlgOption::PickColor(const std::string& swatch)
{
    COLORREF color = swatchColor(swatch);
    if (pickers_.pickColor(handle(), color, customColors_)) {
        setSwatchColor(swatch, color);
        chose();
    }
}

void TDlgOption::PickFile(const std::string& edit)
{
    std::string path = text(edit);
    if (pickers_.pickFile(handle(), path)) {
        setText(edit, path);
        chose();
    }
}

void TDlgOption::PickFont(ui::Font& font)
{
    ui::FontSpec attributes = font.attributes();
    const bool confirmed = pickers_.pickFont(handle(), attributes);
    if (confirmed)
        font.assign(attributes);
    UpdateFontLabels();
    if (confirmed)
        chose();
}

} // namespace lume
