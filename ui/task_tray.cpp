#include "ui/task_tray.h"

#include <cstring>

#include "core/user_error.h"
#include "resources/texts.h"
#include "ui/application.h"
#include "ui/tray_tip.h"

namespace lume::ui {

namespace {

// One per process, as the shell reports every icon to it. Created by the first
// refresh that needs it; a child of that component's owner.
std::unique_ptr<TNotifyWindow> TrayNotifyWindow;

// The layout with a 64-byte tip, whatever this SDK's full record is.
constexpr DWORD IconDataSize = NOTIFYICONDATAA_V1_SIZE;

} // namespace

BOOL CallShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data) { return Shell_NotifyIconA(message, data); }

TrayIconList<TTaskTray>& TrayIconListOfProcess()
{
    static TrayIconList<TTaskTray> list;  // one per process: the IDs are unique within it
    return list;
}

TNotifyWindow* TrayNotifyWindowOfProcess() { return TrayNotifyWindow.get(); }

TNotifyWindow::TNotifyWindow(HWND owner)
{
    createWindow("LumeLumeTrayNotify", "", WS_CHILD, 0, owner);
}

LRESULT TNotifyWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UM_TRAYNOTIFY) {
        UMTrayNotify(wParam, lParam);
        return 0;
    }
    return Form::handleMessage(message, wParam, lParam);
}

void TNotifyWindow::UMTrayNotify(WPARAM iconId, LPARAM iconMessage)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    auto* entry = TrayIconListOfProcess().find(std::to_string(static_cast<uint32_t>(iconId)));
    if (!entry || dispatchBusy_)
        return;  // dropped, not queued
    TTaskTray* tray = entry->component;
    dispatchBusy_ = true;
    struct BusyReset {
        bool& busy;
        ~BusyReset() { busy = false; }
    } reset{dispatchBusy_};  // also when an error passes through
    const TrayMouseEvent event = ClassifyTrayMessage(static_cast<uint32_t>(iconMessage));
    switch (event.call) {
    case TrayMouseCall::MouseMove:
        tray->MouseMove(cursor.x, cursor.y);
        break;
    case TrayMouseCall::MouseDown:
        tray->MouseDown(event.button, event.shift, cursor.x, cursor.y);
        break;
    case TrayMouseCall::MouseUp:
        tray->MouseUp(event.button, event.shift, cursor.x, cursor.y);
        break;
    case TrayMouseCall::DblClick:
        tray->DblClick(event.button);
        break;
    case TrayMouseCall::None:
        break;
    }
}

TTaskTray::TTaskTray(Form* owner, ShellNotifyIconCall shellNotify) : owner_(owner), shellNotify_(shellNotify)
{
    TrayIconList<TTaskTray>& list = TrayIconListOfProcess();
    iconId_ = list.nextId();  // not checked for being free
    list.append(iconId_, this);
    icon_.onChange = [this] { IconChanged(); };
}

TTaskTray::~TTaskTray()
{
    RemoveTrayIcon();
    TrayIconListOfProcess().removeFirst(iconId_);
    icon_.onChange = nullptr;
    *alive_ = false;
}

void TTaskTray::RefreshTrayIcon(bool orModify)
{
    if (!registered_)
        return;
    if (!TrayNotifyWindow)
        TrayNotifyWindow = std::make_unique<TNotifyWindow>(owner_ ? owner_->handle() : nullptr);
    if (!inTray_) {
        iconData_.cbSize = IconDataSize;
        iconData_.hWnd = TrayNotifyWindow->handle();
        iconData_.uCallbackMessage = UM_TRAYNOTIFY;
    }
    iconData_.uID = static_cast<UINT>(iconId_);
    iconData_.uFlags = tipString_.empty() ? (NIF_MESSAGE | NIF_ICON) : (NIF_MESSAGE | NIF_ICON | NIF_TIP);
    iconData_.hIcon = icon_.handle();
    std::memset(iconData_.szTip, 0, sizeof iconData_.szTip);
    std::string tip = TrayTipText(tipString_);
    std::memcpy(iconData_.szTip, tip.data(), tip.size());
    bool shown = shellNotify_(inTray_ ? NIM_MODIFY : NIM_ADD, &iconData_);
    if (!shown && !inTray_ && orModify)
        shown = shellNotify_(NIM_MODIFY, &iconData_);
    if (!shown)
        throw UserError(texts::TrayRegistrationFailed);
    inTray_ = true;
}

void TTaskTray::RemoveTrayIcon()
{
    if (inTray_)
        shellNotify_(NIM_DELETE, &iconData_);
    inTray_ = false;
    registered_ = false;
}

void TTaskTray::ShellRestarted()
{
    // A new shell knows no icon of ours: add it again if it should be there.
    // The shell may also announce itself while it still has the icon.
    inTray_ = false;
    RefreshTrayIcon(true);
}

void TTaskTray::setTipString(const std::string& tip)
{
    if (tip == tipString_)
        return;
    tipString_ = tip;
    RefreshTrayIcon();
}

void TTaskTray::setIcon(HICON icon)
{
    if (icon) {
        icon_.assign(icon);
        RefreshTrayIcon();
    } else {
        icon_.releaseHandle();
        icon_.setHandle(nullptr);
        RemoveTrayIcon();
    }
}

void TTaskTray::setIconID(int32_t id)
{
    if (id <= 0)
        throw UserError(texts::IconIdNotPositive);
    if (id == iconId_)
        return;
    TrayIconList<TTaskTray>& list = TrayIconListOfProcess();
    auto* own = list.find(iconId_);
    if (list.find(id))
        throw UserError(texts::IconIdTaken);
    if (registered_) {
        RemoveTrayIcon();
        registered_ = true;
    }
    iconId_ = id;
    if (own)
        own->id = std::to_string(id);
    RefreshTrayIcon();
}

void TTaskTray::setRegistered(bool registered)
{
    if (registered == registered_)
        return;
    if (registered) {
        if (icon_.empty())
            throw UserError(texts::NoIconGiven);
        registered_ = true;
        RefreshTrayIcon();
    } else {
        RemoveTrayIcon();
    }
}

void TTaskTray::watch(PopupMenu* menu)
{
    std::weak_ptr<bool> alive = alive_;
    menu->notifyOnDestruction([this, alive](PopupMenu* destroyed) {
        if (alive.expired() || !*alive.lock())
            return;
        if (popupMenuL_ == destroyed)
            popupMenuL_ = nullptr;
        if (popupMenuR_ == destroyed)
            popupMenuR_ = nullptr;
    });
}

void TTaskTray::setPopupMenuL(PopupMenu* menu)
{
    popupMenuL_ = menu;
    if (menu)
        watch(menu);
}

void TTaskTray::setPopupMenuR(PopupMenu* menu)
{
    popupMenuR_ = menu;
    if (menu)
        watch(menu);
}

void TTaskTray::DblClick(MouseButton button)
{
    if (OnDblClick)
        OnDblClick(this, button);
}

void TTaskTray::MouseDown(MouseButton button, uint8_t shift, int x, int y)
{
    if (owner_) {
        SetForegroundWindow(owner_->handle());
        Application::instance().processMessages();
    }
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
    if (button == MouseButton::Left && popupMenuL_)
        popupMenuL_->popup(x, y);
    if (button == MouseButton::Right && popupMenuR_)
        popupMenuR_->popup(x, y);
}

void TTaskTray::MouseMove(int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, 0, x, y);
}

void TTaskTray::MouseUp(MouseButton button, uint8_t shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

} // namespace lume::ui
