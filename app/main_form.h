// The main form: never shown; the address of the hook's notifications, the
// holder of the tray icon and its menu, and the program's start and end.
#pragma once
#include <windows.h>

#include <memory>

#include "app/option_preview.h"
#include "core/mends.h"
#include "fallback/outside_painter.h"
#include "look/look_publisher.h"
#include "look/program_look.h"
#include "settings/option_dialog.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/popup_menu.h"
#include "ui/task_tray.h"

namespace lume {

// Positions of the tray menu's items, by the names the menu gives them; N1 is
// the separator line.
enum TrayMenuItem : size_t { ItemAbout, UpdateSystemMetrics1, SaveCurrentOption1, ItemOption, N1, MenuItemEXIT };

class TFrmMain : public ui::Form {
public:
    // `mends` switched off only in a test build; `pickers` are the options
    // dialog's colour, file and font dialogs.
    explicit TFrmMain(Mends mends = {}, OptionPickers pickers = PlatformPickers());
    ~TFrmMain() override;

    ui::TTaskTray& TskTray() { return *tskTray_; }
    ui::PopupMenu& TskMenu() { return *tskMenu_; }
    ProgramLook& Look() { return look_; }
    OutsidePainter& Painter() { return *painter_; }

    // The tray menu's commands, named after their items.
    void ItemAboutClick();             // the About box
    void UpdateSystemMetrics1Click();  // the frame metrics read again, every caption repainted
    void SaveCurrentOption1Click();    // the options file written now
    void ItemOptionClick();            // the options dialog, its choices previewed
    void MenuItemEXITClick();          // the program ends

private:
    void FormCreate();
    void FormDestroy();
    // FormDestroy and the tray icon's deletion, once: at the end of the
    // message loop, or when the session ends before it. Frees nothing: the
    // session's end is a sent message, which may come while a handler below
    // on the stack still uses the notifications, the tray or the fonts.
    void ShutDown();
    // WM_ENDSESSION: shut down now, since the process may be ended as soon as
    // the message returns, and end the message loop, for a close by the
    // restart manager leaves the process running.
    void EndSession();
    // The present look published for the windows to paint their own captions
    // with, or withdrawn where they cannot.
    void PublishLook();
    // The look shown now (the program's own, or the dialog's candidate) on
    // every caption: published, and every frame repainted. Nothing once shut down.
    void ShowLook();
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::unique_ptr<ui::TTaskTray> tskTray_;
    std::unique_ptr<ui::PopupMenu> tskMenu_;
    ui::BitmapHandle imgError_;  // the substitute texture's picture
    ProgramLook look_;
    FrameMetrics metrics_;
    std::unique_ptr<OutsidePainter> painter_;
    LookPublisher publisher_;
    UINT taskbarCreated_ = 0;
    bool shutDown_ = false;
    bool sessionEnding_ = false;
    OptionPickers pickers_;
    std::unique_ptr<OptionPreview> preview_;  // while the options dialog is open
};

} // namespace lume
