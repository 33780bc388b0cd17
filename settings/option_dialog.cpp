// The options dialog's window: placed on the screen, its pages switched, its
// clicks and choices handled, and run until it is closed.
#include "settings/option_dialog.h"

#include <commctrl.h>

#include "resources/option_form.h"
#include "settings/option_labels.h"
#include "ui/dialog_controls.h"
#include "ui/late_library.h"

namespace lume {

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
    placeCentred();
    createControls();
    wireClicks();
    showPage(0);
}

TDlgOption::~TDlgOption() { destroyWindow(); }

void TDlgOption::placeCentred()
{
    const OptionFormDescription& form = OptionForm();
    const int dpi = ui::ScreenPixelsPerInch();
    // Client area 448 x 376 at 96 dpi, scaled, the window centred on the screen.
    RECT frame{0, 0, MulDiv(form.clientWidth, dpi, 96), MulDiv(form.clientHeight, dpi, 96)};
    AdjustWindowRectEx(&frame, GetWindowLongA(handle(), GWL_STYLE), FALSE, GetWindowLongA(handle(), GWL_EXSTYLE));
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TDlgOption::wireClicks()
{
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

bool TDlgOption::handleCommand(WPARAM wParam)
{
    auto name = names_.find(LOWORD(wParam));
    if (name != names_.end() && isChoice(name->second, HIWORD(wParam)))
        chose();
    if (HIWORD(wParam) != BN_CLICKED)
        return false;
    const int id = LOWORD(wParam);
    if (id == IDOK && GetFocus() == control("EdtExclude")) {
        BtnExcludeAddClick();  // Enter in the name box adds the name, as "追加" does
        return true;
    }
    if (id == IDOK) {
        OKBtnClick();
        return true;
    }
    if (id == IDCANCEL) {
        CancelBtnClick();
        return true;
    }
    if (name != names_.end()) {
        auto click = clicks_.find(name->second);
        if (click != clicks_.end() && click->second)
            click->second();
    }
    return true;
}

LRESULT TDlgOption::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (handleCommand(wParam))
            return 0;
        break;
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
