// LumeLume: start and end of the program.
#include <windows.h>

#include <cstdlib>

#include "app/main_form.h"
#include "app/single_copy.h"
#include "resources/texts.h"
#include "ui/application.h"

// LUME_MENDED is 0 only in a test build that shows the Wine faults the
// program works around: the mends named in LUME_UNMEND are switched off
// (all of them when it is not set), so that a test can show the one it guards.
lume::Mends ProgramMends()
{
    if (LUME_MENDED)
        return {};
    const char* off = std::getenv("LUME_UNMEND");
    return lume::MendsWithout(off ? off : "selfpaint settle uncovered children");
}

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
    const lume::Mends mends = ProgramMends();
    int exitCode = 0;
    {
        lume::TFrmMain mainForm(mends);
        if (application.showMainForm)
            ShowWindow(mainForm.handle(), SW_SHOW);
        exitCode = application.run();
    }  // the main form's destruction: options saved, hook removed, captions restored
    return exitCode;
}
