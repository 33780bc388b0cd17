#include "app/main_form.h"

#include "app/sweep.h"
#include "hooklib/hook_protocol.h"
#include "hooklib/lumehook.h"
#include "painter/look_source.h"
#include "painter/painter.h"
#include "painter/self_painting.h"
#include "painter/surfaces.h"
#include "painter/window_program.h"
#include "resources/texts.h"
#include "settings/option_dialog.h"
#include "settings/settings.h"
#include "settings/start_with_windows.h"
#include "ui/application.h"
#include "ui/wide_text.h"

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
    notifications_ = std::make_unique<CaptionNotifications>(
        handle(),
        [](HWND window, bool full) {
            if (!PaintsItsOwnCaption(window))
                PaintCaption(window, full);
        },
        [] { SweepWindows(true); }, mends.settleRepaint, mends.uncoveredRepaint);
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    application.guard([this] { FormCreate(); });
}

TFrmMain::~TFrmMain()
{
    ShutDown();
    FreeDrawingObjects();
    notifications_.reset();
    tskTray_.reset();
    tskMenu_.reset();
    destroyWindow();
}

void TFrmMain::ShutDown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    notifications_->stop();  // no paint after the captions are restored
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

void TFrmMain::CreateDrawingObjects()
{
    ToolFont = std::make_unique<ui::Font>();
    NormalFont = std::make_unique<ui::Font>();
    Surfaces = std::make_unique<CaptionSurfaces>();
}

void TFrmMain::FreeDrawingObjects()
{
    Surfaces.reset();
    NormalFont.reset();
    ToolFont.reset();
}

void TFrmMain::FormCreate()
{
    ui::Application& application = ui::Application::instance();
    CreateDrawingObjects();
    // Without a path for the options file the defaults are used, and the
    // reason shown: start-up goes on.
    application.guard([] { LoadOptions(); });
    SetSubstituteTexture(imgError_.get());
    UpdateCaptionMetrics();
    // A texture that will not load, or a tray that refuses the icon, is shown
    // and start-up goes on: without the tray icon and the hook the program
    // could neither be used nor ended. A session that ends while the error is
    // shown ends start-up there.
    application.guard([] { BuildCaptionSurfaces(); });
    application.showMainForm = false;
    tskTray_->setIcon(application.icon());
    if (shutDown_)
        return;
    application.guard([this] { tskTray_->setRegistered(true); });
    if (shutDown_)
        return;
    ShowWindow(application.handle(), SW_HIDE);
    PublishLook();
    SweepWindows(true);
    // Without the hook every caption is painted from here.
    if (!CreateDLLInst(handle())) {
        SelfPaintingOn = false;
        look_.withdraw();
    }
    // The frames asked for before the hook was in place, and what the system
    // repainted meanwhile.
    notifications_->armSettleSweep();
}

void TFrmMain::PublishLook()
{
    if (SelfPaintingOn && !look_.publish(handle(), CurrentLookSource()))
        SelfPaintingOn = false;  // painted from here, as where no hook runs
}

void TFrmMain::ShowLook()
{
    if (shutDown_)
        return;  // the captions are the system's from then on
    PublishLook();
    SweepWindows(true);
}

void TFrmMain::FormDestroy()
{
    ui::Application& application = ui::Application::instance();
    SetSubstituteTexture(nullptr);
    // A failed save is shown; the hook still goes and every caption is restored.
    application.guard([] { SaveOptions(); });
    UndoFrameChanges();  // through the hook, so before it goes
    look_.withdraw();  // before the restore: the hook paints nothing from now on
    DestroyDLLInst();
    // At the session's end other programs are busy closing: their frames are
    // queued for repaint, and nothing waits for an answer.
    if (sessionEnding_)
        RestoreFramesQueued();
    else
        SweepWindows(false);
}

LRESULT TFrmMain::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UM_CAPTIONCHANGED:
    case UM_CAPTIONTOUCHED:
        Form::handleMessage(message, wParam, lParam);  // the default handling first, which does nothing
        if (notifications_)
            notifications_->handleMessage(message, wParam, lParam);
        return 0;
    case WM_TIMER:
        if (wParam == PreviewTimer && preview_) {
            preview_->timerFired();
            return 0;
        }
        [[fallthrough]];
    case UM_WINDOWPOSCHANGED:
        if (notifications_ && notifications_->handleMessage(message, wParam, lParam))
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
    UpdateCaptionMetrics();
    BuildCaptionSurfaces();
    PublishLook();
    SweepWindows(true);
}

void TFrmMain::SaveCurrentOption1Click() { SaveOptions(); }

void TFrmMain::ItemOptionClick()
{
    auto dialog = std::make_unique<TDlgOption>(handle(), pickers_);
    tskMenu_->item(ItemOption).enabled = false;
    // Step 9 runs on every path: also when a texture fails to load after OK.
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
    dialog->Fill(Settings, *NormalFont, *ToolFont);
    dialog->FillExclusions(ExcludedPrograms, RunningProgramNames);
    dialog->FillStartWithWindows(StartsWithWindows());
    dialog->UpdateFontLabels();
    // Each choice shown at once on every caption, the program's own look
    // left as it is: it is what a session's end saves, and what CANCEL shows again.
    preview_ = std::make_unique<OptionPreview>(
        handle(), LookChoice{Settings, NormalFont->attributes(), ToolFont->attributes()}, [this] { ShowLook(); });
    dialog->onChoice = [this, shown = dialog.get()] { preview_->choose(shown->Candidate()); };
    const int result = dialog->ShowModal();
    const bool previewed = preview_->end();
    if (result != ModalOk || shutDown_) {
        if (previewed)
            ShowLook();
        return;
    }
    dialog->CopyBack(Settings, *NormalFont, *ToolFont);
    // A registry that refuses it is shown; every other choice still applies.
    ui::Application::instance().guard([&] { SetStartWithWindows(dialog->StartWithWindows()); });
    // Programs left alone from now on go back to the system's look at once;
    // those no longer left alone are painted by the sweep.
    const ExclusionList added = dialog->Exclusions().addedSince(ExcludedPrograms);
    ExcludedPrograms = dialog->Exclusions();
    RestoreProgramWindows(added);
    BuildCaptionSurfaces();
    PublishLook();
    SweepWindows(true);
}

void TFrmMain::MenuItemEXITClick() { ui::Application::instance().terminate(); }

} // namespace lume
