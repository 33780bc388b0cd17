#include "settings/option_dialog.h"

#include <commctrl.h>

#include <vector>

#include "resources/option_form.h"
#include "settings/option_labels.h"
#include "ui/dialog_controls.h"
#include "ui/late_library.h"
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

} // namespace

TDlgOption::TDlgOption(HWND owner, OptionPickers pickers) : owner_(owner), pickers_(std::move(pickers))
{
    // FormCreate: the working fonts exist from here (members), with default attributes.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    if (auto initialize = ui::LateBound<decltype(InitCommonControlsEx)>("comctl32.dll", "InitCommonControlsEx"))
        initialize(&classes);
    ui::RegisterDialogControlClasses();
    const OptionFormDescription& form = OptionForm();
    createWindow("TDlgOption", form.title.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU,
                 WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, owner);
    createControls();
    showPage(0);
}

TDlgOption::~TDlgOption() { destroyWindow(); }

void TDlgOption::createControls()
{
    const OptionFormDescription& form = OptionForm();
    const int dpi = ui::ScreenPixelsPerInch();
    auto scale = [dpi](int value) { return MulDiv(value, dpi, 96); };

    // Client area 448 x 376 at 96 dpi, scaled, the window centred on the screen.
    RECT frame{0, 0, scale(form.clientWidth), scale(form.clientHeight)};
    AdjustWindowRectEx(&frame, GetWindowLongA(handle(), GWL_STYLE), FALSE, GetWindowLongA(handle(), GWL_EXSTYLE));
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

    font_.reset(CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                            ui::Widened(form.fontFace).c_str()));
    memoFont_.reset(CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                ui::Widened(form.memoFace).c_str()));
    HINSTANCE module = GetModuleHandleA(nullptr);
    std::vector<HWND> pages;
    std::map<std::string, POINT> groupOrigins;  // page-relative
    int nextId = FirstControlId;
    bool afterRadio = false;

    // Controls of a page are children of its page window, the others the
    // dialog's. They are Unicode controls: one made by the ANSI call would
    // read its cp932 text through the system's code page.
    auto make = [&](const char* className, const std::string& text, DWORD style, DWORD exStyle, int x, int y, int w,
                    int h, int id, const std::string& name, int page) {
        HWND parent = page >= 0 ? pages[static_cast<size_t>(page)] : handle();
        HWND control = CreateWindowExW(exStyle, ui::Widened(className).c_str(), ui::Widened(text).c_str(),
                                       WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        controls_[name] = control;
        names_[id] = name;
        return control;
    };

    for (const ControlRecord& record : form.controls) {
        const int page = record.page == OptionPage::Frame ? -1 : static_cast<int>(record.page);
        POINT origin{0, 0};
        if (page >= 0 && !record.group.empty())
            origin = {scale(groupOrigins[record.group].x), scale(groupOrigins[record.group].y)};
        const int x = origin.x + scale(record.x), y = origin.y + scale(record.y);
        const int w = scale(record.width), h = scale(record.height);
        const int id = record.name == "OKBtn" ? IDOK : record.name == "CancelBtn" ? IDCANCEL : nextId++;
        HWND made = nullptr;
        switch (record.kind) {
        case ControlKind::PageControl: {
            made = make(WC_TABCONTROLA, "", WS_CLIPSIBLINGS | WS_TABSTOP, 0, x, y, w, h, id, record.name, -1);
            for (size_t i = 0; i < form.pageTitles.size(); ++i) {
                std::wstring title = ui::Widened(form.pageTitles[i]);
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = title.data();
                SendMessageW(made, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
            }
            RECT display{x, y, x + w, y + h};
            SendMessageA(made, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
            for (size_t i = 0; i < form.pageTitles.size(); ++i) {
                HWND pageWindow = CreateWindowExA(WS_EX_CONTROLPARENT, ui::PageClass, "", WS_CHILD, display.left,
                                                  display.top, display.right - display.left,
                                                  display.bottom - display.top, handle(), nullptr, module, nullptr);
                pages.push_back(pageWindow);
                pageOf_[pageWindow] = static_cast<int>(i);
            }
            break;
        }
        case ControlKind::GroupBox:
            made = make("BUTTON", record.text, BS_GROUPBOX, 0, x, y, w, h, id, record.name, page);
            groupOrigins[record.name] = {record.x, record.y};
            break;
        case ControlKind::RadioGroup: {
            std::vector<std::string> lines = SplitLines(record.text);
            made = make("BUTTON", lines[0], BS_GROUPBOX, 0, x, y, w, h, id, record.name, page);
            const int column = (w - scale(16)) / RadioItems;
            for (int item = 0; item < RadioItems; ++item)
                make("BUTTON", lines[item + 1], BS_AUTORADIOBUTTON | WS_TABSTOP | (item == 0 ? WS_GROUP : 0), 0,
                     x + scale(8) + item * column, y + scale(16), column - scale(4), scale(17), nextId++,
                     record.name + "." + std::to_string(item), page);
            break;
        }
        case ControlKind::Button:
            made = make("BUTTON", record.text,
                        (record.name == "OKBtn" ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP, 0, x, y, w, h, id,
                        record.name, page);
            break;
        case ControlKind::Label:
            made = make("STATIC", record.text, SS_LEFT, 0, x, y, w, h, id, record.name, page);
            break;
        case ControlKind::Swatch:
            made = make(ui::SwatchClass, "", 0, 0, x, y, w, h, id, record.name, page);
            break;
        case ControlKind::Edit:
            made = make("EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, x, y, w, h, id, record.name, page);
            break;
        case ControlKind::SpinEdit: {
            made = make("EDIT", "0", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, x, y, w - scale(UpDownWidth), h,
                        id, record.name, page);
            ui::FilterTyping(made, SpinEditAccepts);
            HWND upDown = make(UPDOWN_CLASSA, "", UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0, 0, scale(UpDownWidth), h,
                               nextId++, record.name + ".UpDown", page);
            SendMessageA(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(made), 0);
            break;
        }
        case ControlKind::CheckBox:
            made = make("BUTTON", record.text, BS_AUTOCHECKBOX | WS_TABSTOP, 0, x, y, w, h, id, record.name, page);
            break;
        case ControlKind::RadioButton:
            made = make("BUTTON", record.text,
                        BS_AUTORADIOBUTTON | WS_TABSTOP | (record.name.ends_with(".0") ? WS_GROUP : 0), 0, x, y, w,
                        h, id, record.name, page);
            break;
        case ControlKind::ListBox:
            made = make("LISTBOX", "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                        x, y, w, h, id, record.name, page);
            break;
        case ControlKind::Memo:
            made = make("EDIT", record.text, ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE,
                        x, y, w, h, id, record.name, page);
            SendMessageA(made, WM_SETFONT, reinterpret_cast<WPARAM>(memoFont_.get()), FALSE);
            break;
        }
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

    // The "選択" buttons and what each one picks.
    clicks_ = {
        {"BtnActLetter", [this] { BtnActLetterClick(); }},     {"BtnActShadow", [this] { BtnActShadowClick(); }},
        {"BtnActLeft", [this] { BtnActLeftClick(); }},         {"BtnActRight", [this] { BtnActRightClick(); }},
        {"BtnActLED", [this] { BtnActLEDClick(); }},           {"BtnInactLetter", [this] { BtnInactLetterClick(); }},
        {"BtnInactShadow", [this] { BtnInactShadowClick(); }}, {"BtnInactLeft", [this] { BtnInactLeftClick(); }},
        {"BtnInactRight", [this] { BtnInactRightClick(); }},   {"BtnInactLED", [this] { BtnInactLEDClick(); }},
        {"BtnActTexture", [this] { BtnActTextureClick(); }},   {"BtnInactTexture", [this] { BtnInactTextureClick(); }},
        {"BtnFontNormal", [this] { BtnFontNormalClick(); }},   {"Button1", [this] { Button1Click(); }},
        {"OKBtn", [this] { OKBtnClick(); }},                   {"CancelBtn", [this] { CancelBtnClick(); }},
        {"BtnExcludeAdd", [this] { BtnExcludeAddClick(); }},   {"BtnExcludeDelete", [this] { BtnExcludeDeleteClick(); }},
        {"BtnExcludeRunning", [this] { BtnExcludeRunningClick(); }},
    };
}

void TDlgOption::showPage(int page)
{
    SendMessageA(control("PageControl1"), TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    for (const auto& [window, onPage] : pageOf_)
        ShowWindow(window, onPage == page ? SW_SHOWNA : SW_HIDE);
}

int TDlgOption::currentPage() const
{
    return static_cast<int>(SendMessageA(control("PageControl1"), TCM_GETCURSEL, 0, 0));
}

int TDlgOption::ShowModal()
{
    modalResult_ = 0;
    shown_ = true;
    showPage(0);
    EnableWindow(owner_, FALSE);
    ShowWindow(handle(), SW_SHOW);
    SetForegroundWindow(handle());
    MSG message;
    // The wide calls, so that what is typed reaches the Unicode controls whole.
    while (modalResult_ == 0) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // the program's own loop must still end
            modalResult_ = ModalCancel;
            break;
        }
        if (!IsDialogMessageW(handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    shown_ = false;
    EnableWindow(owner_, TRUE);
    ShowWindow(handle(), SW_HIDE);
    return modalResult_;
}

bool TDlgOption::isChoice(const std::string& name, WORD notification) const
{
    auto is = [&name](const char* prefix) { return name.rfind(prefix, 0) == 0; };
    switch (notification) {
    case BN_CLICKED:  // a radio item (a surface, composed frames), or a button check box
        return (is("Grp") && name.find('.') != std::string::npos) || is("ChkBoxDrawNo");
    case EN_CHANGE:  // an offset or the shadow length, typed or stepped
        return is("SpinEdt") && name.find('.') == std::string::npos;
    case EN_KILLFOCUS:  // a texture path typed, when its box is left
        return is("Edt") && name.find("Texture") != std::string::npos;
    default:
        return false;
    }
}

void TDlgOption::chose()
{
    if (shown_ && onChoice)
        onChoice();
}

LRESULT TDlgOption::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        auto name = names_.find(LOWORD(wParam));
        if (name != names_.end() && isChoice(name->second, HIWORD(wParam)))
            chose();
        if (HIWORD(wParam) != BN_CLICKED)
            break;
        const int id = LOWORD(wParam);
        if (id == IDOK && GetFocus() == control("EdtExclude")) {
            BtnExcludeAddClick();  // Enter in the name box adds the name, as "追加" does
            return 0;
        }
        if (id == IDOK) {
            OKBtnClick();
            return 0;
        }
        if (id == IDCANCEL) {
            CancelBtnClick();
            return 0;
        }
        if (name != names_.end()) {
            auto click = clicks_.find(name->second);
            if (click != clicks_.end() && click->second)
                click->second();
        }
        return 0;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == TCN_SELCHANGE) {
            showPage(currentPage());
            return 0;
        }
        if (header->code == UDN_DELTAPOS) {
            // Unbounded steps of 1 from whatever the text reads as (0 when it is no number).
            const auto* step = reinterpret_cast<const NMUPDOWN*>(lParam);
            auto buddy = reinterpret_cast<HWND>(SendMessageA(header->hwndFrom, UDM_GETBUDDY, 0, 0));
            char current[32] = {};
            GetWindowTextA(buddy, current, sizeof current);
            const int64_t next = int64_t{SpinEditValue(current)} + step->iDelta;
            if (next >= INT32_MIN && next <= INT32_MAX)
                SetWindowTextA(buddy, std::to_string(next).c_str());
            return 1;  // the up-down's own position is not used
        }
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // Labels, check boxes and radio buttons take the pages' background.
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_CLOSE:
        CancelBtnClick();
        return 0;
    default:
        break;
    }
    return Form::handleMessage(message, wParam, lParam);
}

} // namespace lume
