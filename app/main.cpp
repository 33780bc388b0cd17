// LumeLume: start and end of the program.
#include <windows.h>

#include "app/main_form.h"
#include "app/single_copy.h"
#include "resources/texts.h"
#include "ui/application.h"

#include "painter/painter.h"
#include "painter/self_painting.h"

// LUME_MENDED is 0 only in a test build that shows the Wine faults the
// program works around: captions lost to a window's late repaint, child
// windows painted through their own, invisible, DC, and the system's caption
// shown until a paint from outside comes.
constexpr bool Mended = LUME_MENDED != 0;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // A second start ends here, before any window or hook: the first copy
    // keeps the shared record and goes on painting.
    const lume::RunningMark mark;
    if (!mark.taken())
        return 0;
    lume::ui::Application& application = lume::ui::Application::instance();
    application.initialize(instance);
    // Rather no program than one whose hook posts to another program's window.
    if (lume::HookRecordHeldElsewhere()) {
        application.showError(lume::texts::HookRecordTaken);
        return 1;
    }
    lume::PaintChildrenThroughRoot = Mended;
    lume::SelfPaintingOn = Mended;
    int exitCode = 0;
    {
        lume::TFrmMain mainForm(Mended);
        if (application.showMainForm)
            ShowWindow(mainForm.handle(), SW_SHOW);
        exitCode = application.run();
    }  // the main form's destruction: options saved, hook removed, captions restored
    return exitCode;
}
