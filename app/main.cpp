// LumeLume: start and end of the program.
#include <windows.h>

#include "app/main_form.h"
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
    lume::ui::Application& application = lume::ui::Application::instance();
    application.initialize(instance);
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
