// TaskTray: the tray icon component and the hidden window through which the
// shell reports mouse activity on the process's tray icons.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/form.h"
#include "ui/icon.h"
#include "ui/popup_menu.h"
#include "ui/tray_dispatch.h"
#include "ui/tray_icon_list.h"

namespace lume::ui {

constexpr UINT UM_TRAYNOTIFY = WM_USER + 0x66;

// The component's one way to the shell; tests hand in a recorder.
using ShellNotifyIconCall = BOOL (*)(DWORD message, NOTIFYICONDATAA* data);
// The shell itself: what a component uses unless given another.
BOOL CallShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data);

class TTaskTray;

class TNotifyWindow : public Form {
public:
    explicit TNotifyWindow(HWND owner);

    // UM_TRAYNOTIFY: wParam the icon's uID, lParam the message seen on the icon.
    void UMTrayNotify(WPARAM iconId, LPARAM iconMessage);
    // True while a tray message is handled; another that comes meanwhile is dropped.
    bool DispatchBusy() const { return dispatchBusy_; }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool dispatchBusy_ = false;
};

class TTaskTray {
public:
    // `owner`: the form that holds the component; the notify window becomes its child.
    // `shellNotify`: every call to the shell goes through it.
    explicit TTaskTray(Form* owner, ShellNotifyIconCall shellNotify = CallShellNotifyIcon);
    ~TTaskTray();
    TTaskTray(const TTaskTray&) = delete;
    TTaskTray& operator=(const TTaskTray&) = delete;

    const std::string& TipString() const { return tipString_; }
    void setTipString(const std::string& tip);
    const ui::Icon& Icon() const { return icon_; }
    // nullptr takes the icon out of the tray and clears Registered.
    void setIcon(HICON icon);
    int32_t IconID() const { return iconId_; }
    void setIconID(int32_t id);
    bool Registered() const { return registered_; }
    void setRegistered(bool registered);
    bool InTray() const { return inTray_; }
    PopupMenu* PopupMenuL() const { return popupMenuL_; }
    PopupMenu* PopupMenuR() const { return popupMenuR_; }
    void setPopupMenuL(PopupMenu* menu);
    void setPopupMenuR(PopupMenu* menu);
    const NOTIFYICONDATAA& IconData() const { return iconData_; }

    std::function<void(TTaskTray*, MouseButton)> OnDblClick;
    std::function<void(TTaskTray*, uint8_t shift, int x, int y)> OnMouseMove;
    std::function<void(TTaskTray*, MouseButton, uint8_t shift, int x, int y)> OnMouseDown;
    std::function<void(TTaskTray*, MouseButton, uint8_t shift, int x, int y)> OnMouseUp;

    // The shell talks only through these two.
    // `orModify`: an add the shell refuses is tried as a modification, for a
    // shell that announced itself while it still held the icon.
    void RefreshTrayIcon(bool orModify = false);
    void RemoveTrayIcon();
    // The shell has restarted: the icon goes back into the new tray.
    void ShellRestarted();

    void DblClick(MouseButton button);
    void MouseDown(MouseButton button, uint8_t shift, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(MouseButton button, uint8_t shift, int x, int y);

private:
    void IconChanged() { RefreshTrayIcon(); }
    void watch(PopupMenu* menu);

    Form* owner_;
    ShellNotifyIconCall shellNotify_;
    std::string tipString_;
    ui::Icon icon_;  // qualified: inside the class, Icon names the getter
    int32_t iconId_ = 0;
    PopupMenu* popupMenuL_ = nullptr;
    PopupMenu* popupMenuR_ = nullptr;
    NOTIFYICONDATAA iconData_{};
    bool registered_ = false;
    bool inTray_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);  // for the menus' notifications
};

// One per process: every component takes its icon ID from this list.
TrayIconList<TTaskTray>& TrayIconListOfProcess();
// One per process: the shell reports every icon of the process to this window.
TNotifyWindow* TrayNotifyWindowOfProcess();  // none before the first registration

} // namespace lume::ui
