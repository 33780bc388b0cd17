// TDlgOption: the options dialog. It is filled from the settings, edits
// copies of them in its controls and two working fonts, and gives them back
// only when closed with OK.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "settings/caption_settings.h"
#include "settings/exclusion_list.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/handles.h"

namespace lume {

// The three platform dialogs, replaceable by scripted answers in tests. Each
// returns whether the user confirmed, with the answer in its argument.
struct OptionPickers {
    std::function<bool(HWND owner, COLORREF& color, COLORREF* customColors)> pickColor;
    // The path and the face as cp932 text; one cp932 cannot hold is refused with a UserError.
    std::function<bool(HWND owner, std::string& path)> pickFile;
    std::function<bool(HWND owner, ui::FontSpec& font)> pickFont;
    // One of the running programs' names, or none.
    std::function<bool(HWND owner, const std::vector<std::u16string>& names, std::u16string& program)> pickProgram;
};
OptionPickers PlatformPickers();

// A look as the dialog's controls describe it: the settings as CopyBack gives
// them, and the two working fonts.
struct LookChoice {
    CaptionSettings settings;
    ui::FontSpec normalFont;
    ui::FontSpec toolFont;
    bool operator==(const LookChoice&) const = default;
};

constexpr int ModalOk = 1;
constexpr int ModalCancel = 2;

class TDlgOption : public ui::Form {
public:
    TDlgOption(HWND owner, OptionPickers pickers);
    ~TDlgOption() override;

    // Puts the settings in the controls: both looks, copies of the two fonts as
    // the working fonts, the shifts and flags, and what is done with composed
    // frames. The exclusions, "Start with Windows" and the font labels have
    // calls of their own.
    void Fill(const CaptionSettings& settings, const ui::Font& normalFont, const ui::Font& toolFont);
    // On OK: the controls and working fonts copied back into the settings and fonts.
    void CopyBack(CaptionSettings& settings, ui::Font& normalFont, ui::Font& toolFont) const;
    // What the controls describe now, on the settings given to Fill: CopyBack's
    // copy, but quiet (a texture path the options file cannot hold keeps the
    // old one without a message).
    LookChoice Candidate() const;
    // Called while the dialog is shown, after each choice that changes the look:
    // a surface, a colour, a texture (picked, or typed and left), a font, an
    // offset or the shadow length (typed or stepped), a button check box.
    std::function<void()> onChoice;
    void UpdateFontLabels();
    // The programs that now show captioned windows, as the shell finds them.
    using RunningPrograms = std::function<std::vector<std::u16string>()>;
    // The last page: a working copy of the programs left alone, and where
    // "実行中から選択…" finds the programs it offers.
    void FillExclusions(const ExclusionList& list, RunningPrograms runningPrograms = nullptr);
    const ExclusionList& Exclusions() const { return exclusions_; }
    // "Start with Windows": ticked when the program starts with Windows as the
    // dialog opens; read on OK, never previewed.
    void FillStartWithWindows(bool starts) { setChecked("ChkBoxStartWithWindows", starts); }
    bool StartWithWindows() const { return checked("ChkBoxStartWithWindows"); }
    // Shows the dialog and runs until OK, CANCEL, Esc or the close box: ModalOk or ModalCancel.
    int ShowModal();

    // The buttons' click handlers, named after the buttons of the dialog's form
    // (Act: the active captions' page, Inact: the inactive ones'); each colour
    // button picks into the swatch (Pnl...) beside it.
    void BtnActLetterClick() { PickColor("PnlActLetter"); }
    void BtnActShadowClick() { PickColor("PnlActShadow"); }
    void BtnActLeftClick() { PickColor("PnlActLeft"); }
    void BtnActRightClick() { PickColor("PnlActRight"); }
    void BtnActLEDClick() { PickColor("PnlActLED"); }  // a colour kept in the options, never drawn
    void BtnInactLetterClick() { PickColor("PnlInactLetter"); }
    void BtnInactShadowClick() { PickColor("PnlInactShadow"); }
    void BtnInactLeftClick() { PickColor("PnlInactLeft"); }
    void BtnInactRightClick() { PickColor("PnlInactRight"); }
    void BtnInactLEDClick() { PickColor("PnlInactLED"); }
    void BtnActTextureClick() { PickFile("EdtActTexture"); }
    void BtnInactTextureClick() { PickFile("EdtInactTexture"); }
    void BtnFontNormalClick() { PickFont(FontNormal); }  // picks the font of ordinary windows' captions
    void Button1Click() { PickFont(FontTool); }           // picks the font of tool windows' captions
    void BtnExcludeAddClick();      // adds the name typed in the box to the programs left alone
    void BtnExcludeDeleteClick();   // removes the selected program from them
    void BtnExcludeRunningClick();  // adds one picked among the running programs
    void OKBtnClick() { modalResult_ = ModalOk; }
    void CancelBtnClick() { modalResult_ = ModalCancel; }

    // What the controls hold, by their names.
    HWND control(const std::string& name) const;
    // cp932 text; empty when cp932 cannot hold what the control shows.
    std::string text(const std::string& name) const;
    void setText(const std::string& name, const std::string& text);
    COLORREF swatchColor(const std::string& name) const;
    bool checked(const std::string& name) const;
    int selectedItem(const std::string& radioGroup) const;
    int spinValue(const std::string& name) const;
    int currentPage() const;

    // The working fonts: ordinary windows' captions, tool windows' captions.
    ui::Font FontNormal;
    ui::Font FontTool;

private:
    static constexpr int RadioItems = 3;  // a radio group's items: the surfaces, the composed frames' choices

    class ControlMaker;  // makes one control of the form after another (option_controls.cpp)

    void placeCentred();
    void createControls();
    void wireClicks();  // which handler each button's click runs
    void showPage(int page);
    void PickColor(const std::string& swatch);
    void PickFile(const std::string& edit);
    void PickFont(ui::Font& font);
    void setSwatchColor(const std::string& name, COLORREF color);
    void copySettings(CaptionSettings& settings, bool quiet) const;
    std::string texturePath(const std::string& edit, const std::string& old, bool quiet) const;
    // The look may have changed: reported while the dialog is shown.
    void chose();
    bool isChoice(const std::string& name, WORD notification) const;
    // A control's notification: a choice reported, a click handled. False
    // when it is no click, for the form's own handling.
    bool handleCommand(WPARAM wParam);
    void showExclusions();
    bool addExclusion(std::u16string_view typed);
    void setChecked(const std::string& name, bool checked);
    void selectItem(const std::string& radioGroup, int item);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND owner_;
    OptionPickers pickers_;
    COLORREF customColors_[16] = {};  // kept while this dialog lives
    ui::FontHandle font_;
    ui::FontHandle memoFont_;
    std::map<std::string, HWND> controls_;
    std::map<int, std::string> names_;   // command id -> control name
    std::map<HWND, int> pageOf_;         // page window -> page index
    std::map<std::string, std::function<void()>> clicks_;
    int modalResult_ = 0;
    bool shown_ = false;
    CaptionSettings filled_;  // what Fill was given, under the candidates
    ExclusionList exclusions_;
    RunningPrograms runningPrograms_;
};

} // namespace lume
