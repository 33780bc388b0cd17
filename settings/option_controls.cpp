// The options dialog's controls, made from its form description: each one a
// Unicode window on its page (or on the dialog), known by its name and id.
#include "settings/option_dialog.h"

#include <commctrl.h>

#include <map>
#include <vector>

#include "resources/option_form.h"
#include "settings/option_labels.h"
#include "ui/dialog_controls.h"
#include "ui/wide_text.h"

namespace lume {

namespace {

constexpr int FirstControlId = 1000;
constexpr int UpDownWidth = 17;

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

// Where a control goes in screen pixels, its command id, and its page (-1: the dialog itself).
struct ControlPlace {
    int x, y, w, h;
    int id;
    int page;
};

} // namespace

// Makes the form's controls in their order: it keeps the pages made so far,
// the group boxes' places and the next free command id.
class TDlgOption::ControlMaker {
public:
    ControlMaker(TDlgOption& dialog, int dpi) : dialog_(dialog), dpi_(dpi), module_(GetModuleHandleA(nullptr)) {}
    HWND makeControl(const ControlRecord& record);

private:
    int scale(int value) const { return MulDiv(value, dpi_, 96); }
    ControlPlace place(const ControlRecord& record);
    HWND make(const char* className, const std::string& text, DWORD style, DWORD exStyle, const ControlPlace& at,
              const std::string& name);
    HWND makePageControl(const ControlPlace& at, const std::string& name);
    HWND makeRadioGroup(const ControlRecord& record, const ControlPlace& at);
    HWND makeSpinEdit(const ControlPlace& at, const std::string& name);

    TDlgOption& dialog_;
    const int dpi_;
    const HINSTANCE module_;
    std::vector<HWND> pages_;
    std::map<std::string, POINT> groupOrigins_;  // page-relative
    int nextId_ = FirstControlId;
};

void TDlgOption::createControls()
{
    const OptionFormDescription& form = OptionForm();
    const int dpi = ui::ScreenPixelsPerInch();
    font_.reset(CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                            ui::Widened(form.fontFace).c_str()));
    memoFont_.reset(CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                ui::Widened(form.memoFace).c_str()));
    ControlMaker maker(*this, dpi);
    bool afterRadio = false;
    for (const ControlRecord& record : form.controls) {
        HWND made = maker.makeControl(record);
        if (made && !record.enabled)
            EnableWindow(made, FALSE);
        if (made && !record.visible)
            ShowWindow(made, SW_HIDE);  // never shown
        // What follows a run of radio buttons starts a group of its own: the
        // arrow keys stay among the buttons.
        if (made && afterRadio && record.kind != ControlKind::RadioButton)
            SetWindowLongPtrW(made, GWL_STYLE, GetWindowLongPtrW(made, GWL_STYLE) | WS_GROUP);
        afterRadio = record.kind == ControlKind::RadioButton;
    }
    // The pages lie over the page control, which leaves them alone (WS_CLIPSIBLINGS).
    SetWindowPos(control("PageControl1"), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// A control in a group box is placed from the group box's corner.
ControlPlace TDlgOption::ControlMaker::place(const ControlRecord& record)
{
    const int page = record.page == OptionPage::Frame ? -1 : static_cast<int>(record.page);
    POINT origin{0, 0};
    if (page >= 0 && !record.group.empty())
        origin = {scale(groupOrigins_[record.group].x), scale(groupOrigins_[record.group].y)};
    const int id = record.name == "OKBtn" ? IDOK : record.name == "CancelBtn" ? IDCANCEL : nextId_++;
    return {origin.x + scale(record.x), origin.y + scale(record.y), scale(record.width), scale(record.height), id,
            page};
}

HWND TDlgOption::ControlMaker::makeControl(const ControlRecord& record)
{
    const ControlPlace at = place(record);
    HWND made = nullptr;
    switch (record.kind) {
    case ControlKind::PageControl:
        made = makePageControl(at, record.name);
        break;
    case ControlKind::GroupBox:
        made = make("BUTTON", record.text, BS_GROUPBOX, 0, at, record.name);
        groupOrigins_[record.name] = {record.x, record.y};
        break;
    case ControlKind::RadioGroup:
        made = makeRadioGroup(record, at);
        break;
    case ControlKind::Button:
        made = make("BUTTON", record.text, (record.name == "OKBtn" ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP,
                    0, at, record.name);
        break;
    case ControlKind::Label:
        made = make("STATIC", record.text, SS_LEFT, 0, at, record.name);
        break;
    case ControlKind::Swatch:
        made = make(ui::SwatchClass, "", 0, 0, at, record.name);
        break;
    case ControlKind::Edit:
        made = make("EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, at, record.name);
        break;
    case ControlKind::SpinEdit:
        made = makeSpinEdit(at, record.name);
        break;
    case ControlKind::CheckBox:
        made = make("BUTTON", record.text, BS_AUTOCHECKBOX | WS_TABSTOP, 0, at, record.name);
        break;
    case ControlKind::RadioButton:
        made = make("BUTTON", record.text,
                    BS_AUTORADIOBUTTON | WS_TABSTOP | (record.name.ends_with(".0") ? WS_GROUP : 0), 0, at,
                    record.name);
        break;
    case ControlKind::ListBox:
        made = make("LISTBOX", "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, at,
                    record.name);
        break;
    case ControlKind::Memo:
        made = make("EDIT", record.text, ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, at,
                    record.name);
        SendMessageA(made, WM_SETFONT, reinterpret_cast<WPARAM>(dialog_.memoFont_.get()), FALSE);
        break;
    }
    return made;
}

// Controls of a page are children of its page window, the others the
// dialog's. They are Unicode controls: one made by the ANSI call would read
// its cp932 text through the system's code page.
HWND TDlgOption::ControlMaker::make(const char* className, const std::string& text, DWORD style, DWORD exStyle,
                                    const ControlPlace& at, const std::string& name)
{
    HWND parent = at.page >= 0 ? pages_[static_cast<size_t>(at.page)] : dialog_.handle();
    HWND control = CreateWindowExW(exStyle, ui::Widened(className).c_str(), ui::Widened(text).c_str(),
                                   WS_CHILD | WS_VISIBLE | style, at.x, at.y, at.w, at.h, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(at.id)), module_, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialog_.font_.get()), FALSE);
    dialog_.controls_[name] = control;
    dialog_.names_[at.id] = name;
    return control;
}

// The tabs, and one page window per tab over the tabs' display area.
HWND TDlgOption::ControlMaker::makePageControl(const ControlPlace& at, const std::string& name)
{
    const OptionFormDescription& form = OptionForm();
    HWND tabs = make(WC_TABCONTROLA, "", WS_CLIPSIBLINGS | WS_TABSTOP, 0, {at.x, at.y, at.w, at.h, at.id, -1}, name);
    for (size_t i = 0; i < form.pageTitles.size(); ++i) {
        std::wstring title = ui::Widened(form.pageTitles[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = title.data();
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    RECT display{at.x, at.y, at.x + at.w, at.y + at.h};
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (size_t i = 0; i < form.pageTitles.size(); ++i) {
        HWND pageWindow = CreateWindowExA(WS_EX_CONTROLPARENT, ui::PageClass, "", WS_CHILD, display.left, display.top,
                                          display.right - display.left, display.bottom - display.top,
                                          dialog_.handle(), nullptr, module_, nullptr);
        pages_.push_back(pageWindow);
        dialog_.pageOf_[pageWindow] = static_cast<int>(i);
    }
    return tabs;
}

// A group box captioned with the text's first line, its items the lines after it, side by side.
HWND TDlgOption::ControlMaker::makeRadioGroup(const ControlRecord& record, const ControlPlace& at)
{
    std::vector<std::string> lines = SplitLines(record.text);
    HWND group = make("BUTTON", lines[0], BS_GROUPBOX, 0, at, record.name);
    const int column = (at.w - scale(16)) / RadioItems;
    for (int item = 0; item < RadioItems; ++item)
        make("BUTTON", lines[item + 1], BS_AUTORADIOBUTTON | WS_TABSTOP | (item == 0 ? WS_GROUP : 0), 0,
             {at.x + scale(8) + item * column, at.y + scale(16), column - scale(4), scale(17), nextId_++, at.page},
             record.name + "." + std::to_string(item));
    return group;
}

// A number box with an up-down control at its right end, stepping it.
HWND TDlgOption::ControlMaker::makeSpinEdit(const ControlPlace& at, const std::string& name)
{
    HWND edit = make("EDIT", "0", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                     {at.x, at.y, at.w - scale(UpDownWidth), at.h, at.id, at.page}, name);
    ui::FilterTyping(edit, SpinEditAccepts);
    HWND upDown = make(UPDOWN_CLASSA, "", UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0,
                       {0, 0, scale(UpDownWidth), at.h, nextId_++, at.page}, name + ".UpDown");
    SendMessageA(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    return edit;
}

} // namespace lume
