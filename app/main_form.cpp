#include "app/main_form.h"

#include "app/sweep.h"
#include "hooklib/hook_protocol.h"
#include "hooklib/lumehook.h"
#include "look/look_source.h"
#include "resources/texts.h"
#include "settings/option_dialog.h"
#include "settings/settings.h"
#include "settings/start_with_windows.h"
#include "ui/application.h"
#include "ui/wide_text.h"
#include "window/window_program.h"

namespace lume {

namespace {

constexpr char MainFormCaption[] = "LumeLume NC-Drawer";
constexpr char TrayTip[] = "LumeLume";

} // namespace

TFrmMain::TFrmMain(Mends mends, OptionPickers pickers) : pickers_(std::move(pickers))
{
    ui::Application& application = ui::Application::instance();
    createWindow("TFrmMain", MainFormCaption, WS_POPUP, 0, application.handle());
    tskTray_ = std::make_unique<ui::TTaskTray>(this);
    tskMenu_ = std::make_unique<ui::PopupMenu>(std::vector<ui::MenuItem>{
        {"&About...", true, [this] { ItemAboutClick(); }},
        {"&Update System-Metrics", true, [this] { UpdateSystemMetrics1Click(); }},
        {"&Save Current Options", true, [this] { SaveCurrentOption1Click(); }},
        {"&Option...", true, [this] { ItemOptionClick(); }},
        {"-", true, nullptr},
        {"E&xit", true, [this] { MenuItemEXITClick(); }},
    });
    tskTray_->setPopupMenuL(tskMenu_.get());
    tskTray_->setPopupMenuR(tskMenu_.get());
    tskTray_->setTipString(TrayTip);
    imgError_.reset(LoadBitmapA(application.module(), "SUBSTITUTE"));
    painter_ = std::make_unique<OutsidePainter>(
        handle(), mends, metrics_, [this] { return look_.shown(); }, [this] { SweepWindows(*painter_); });
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    application.guard([this] { FormCreate(); });
}

TFrmMain::~TFrmMain()
{
    ShutDown();
    painter_.reset();
    tskTray_.reset();
    tskMenu_.reset();
    destroyWindow();
}

void TFrmMain::ShutDown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    painter_->notifications().stop();  // no paint after the captions are restored
    ui::Application& application = ui::Application::instance();
    application.guard([this] { FormDestroy(); });
    tskTray_->RemoveTrayIcon();
}

void TFrmMain::EndSession()
{
    sessionEnding_ = true;
    ShutDown();
    ui::Application::instance().terminate();
}

void TFrmMain::FormCreate()
{
    ui::Application& application = ui::Application::instance();
    // Without a path for the options file the defaults are used, and the
    // reason shown: start-up goes on.
    application.guard([this] { LoadOptions(look_.options); });
    look_.setSubstitute(imgError_.get());
    metrics_.update();
    // A texture that will not load, or a tray that refuses the icon, is shown
    // and start-up goes on: without the tray icon and the hook the program
    // could neither be used nor ended. A session that ends while the error is
    // shown ends start-up there.
    application.guard([this] { look_.buildSurfaces(); });
    application.showMainForm = false;
    tskTray_->setIcon(application.icon());
    if (shutDown_)
        return;
    application.guard([this] { tskTray_->setRegistered(true); });
    if (shutDown_)
        return;
    ShowWindow(application.handle(), SW_HIDE);
    PublishLook();
    SweepWindows(*painter_);
    // Without the hook every caption is painted from here.
    if (!CreateDLLInst(handle())) {
        painter_->setHookPaints(false);
        publisher_.withdraw();
    }
    // The frames asked for before the hook was in place, and what the system
    // repainted meanwhile.
    painter_->notifications().armSettleSweep();
}

void TFrmMain::PublishLook()
{
    if (painter_->hookPaints() && !publisher_.publish(handle(), LookSourceOf(look_.shown(), metrics_.system())))
        painter_->setHookPaints(false);  // painted from here, as where no hook runs
}

void TFrmMain::ShowLook()
{
    if (shutDown_)
        return;  // the captions are the system's from then on
    PublishLook();
    SweepWindows(*painter_);
}

void TFrmMain::FormDestroy()
{
    ui::Application& application = ui::Application::instance();
    look_.setSubstitute(nullptr);
    // A failed save is shown; the hook still goes and every caption is restored.
    application.guard([this] { SaveOptions(look_.options); });
    UndoFrameChanges();  // through the hook, so before it goes
    publisher_.withdraw();  // before the restore: the hook paints nothing from now on
    DestroyDLLInst();
    // At the session's end other programs are busy closing: their frames are
    // queued for repaint, and nothing waits for an answer.
    if (sessionEnding_)
        RestoreFramesQueued();
    else
        RestoreFrames();
}

LRESULT TFrmMain::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UM_CAPTIONCHANGED:
    case UM_CAPTIONTOUCHED:
        Form::handleMessage(message, wParam, lParam);  // the default handling first, which does nothing
        if (painter_)
            painter_->notifications().handleMessage(message, wParam, lParam);
        return 0;
    case WM_TIMER:
        if (wParam == PreviewTimer && preview_) {
            preview_->timerFired();
            return 0;
        }
        [[fallthrough]];
    case UM_WINDOWPOSCHANGED:
        if (painter_ && painter_->notifications().handleMessage(message, wParam, lParam))
            return 0;
        break;
    case WM_ENDSESSION:
        if (wParam)
            EndSession();
        return 0;
    case WM_CLOSE:
        MenuItemEXITClick();
        return 0;
    default:
        if (message == taskbarCreated_ && taskbarCreated_ != 0 && tskTray_) {
            tskTray_->ShellRestarted();
            return 0;
        }
        break;
    }
    return Form::handleMessage(message, wParam, lParam);
}

void TFrmMain::ItemAboutClick()
{
    tskMenu_->item(ItemAbout).enabled = false;
    ui::MessageBoxCp932(handle(), texts::AboutText, texts::ProgramCaption, MB_OK);
    tskMenu_->item(ItemAbout).enabled = true;
}

void TFrmMain::UpdateSystemMetrics1Click()
{
    if (shutDown_)
        return;
    metrics_.update();
    look_.buildSurfaces();
    PublishLook();
    SweepWindows(*painter_);
}

void TFrmMain::SaveCurrentOption1Click() { SaveOptions(look_.options); }

void TFrmMain::ItemOptionClick()
{
    auto dialog = std::make_unique<TDlgOption>(handle(), pickers_);
    tskMenu_->item(ItemOption).enabled = false;
    // The preview ends, the menu item comes back and the dialog goes on every
    // path out: also when a texture fails to load after OK.
    struct Close {
        TFrmMain* form;
        std::unique_ptr<TDlgOption>& dialog;
        ~Close()
        {
            form->preview_.reset();
            form->tskMenu_->item(ItemOption).enabled = true;
            dialog.reset();
        }
    } close{this, dialog};
    ProgramOptions& options = look_.options;
    dialog->Fill(options.caption, options.normalFont, options.toolFont);
    dialog->FillExclusions(options.excluded, RunningProgramNames);
    dialog->FillStartWithWindows(StartsWithWindows());
    dialog->UpdateFontLabels();
    // Each choice shown at once on every caption, the program's own look
    // left as it is: it is what a session's end saves, and what CANCEL shows again.
    preview_ = std::make_unique<OptionPreview>(
        handle(), look_, LookChoice{options.caption, options.normalFont.attributes(), options.toolFont.attributes()},
        [this] { ShowLook(); });
    dialog->onChoice = [this, shown = dialog.get()] { preview_->choose(shown->Candidate()); };
    const int result = dialog->ShowModal();
    const bool previewed = preview_->end();
    if (result != ModalOk || shutDown_) {
        if (previewed)
            ShowLook();
        return;
    }
    dialog->CopyBack(options.caption, options.normalFont, options.toolFont);
    // A registry that refuses it is shown; every other choice still applies.
    ui::Application::instance().guard([&] { SetStartWithWindows(dialog->StartWithWindows()); });
    // Programs left alone from now on go back to the system's look at once;
    // those no longer left alone are painted by the sweep.
    const ExclusionList added = dialog->Exclusions().addedSince(options.excluded);
    options.excluded = dialog->Exclusions();
    RestoreProgramWindows(added);
    look_.buildSurfaces();
    PublishLook();
    SweepWindows(*painter_);
}

void TFrmMain::MenuItemEXITClick() { ui::Application::instance().terminate(); }

} // namespace lume
