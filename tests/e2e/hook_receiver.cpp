// The receiving end of the hook for end-to-end tests, standing in for the
// program until it exists: installs the hook for a window of its own and
// appends every notification to a log.
//
//   hook_receiver receive LOG READY   log "message wParam lParam" lines until killed
//   hook_receiver check TITLE         exit 0 when the sample window TITLE answers at once
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "hooklib/hook_protocol.h"
#include "hooklib/lumehook.h"
#include "tests/samples/sample_protocol.h"

namespace {

int Receive(const char* logPath, const char* readyPath)
{
    FILE* log = std::fopen(logPath, "wb");
    if (!log)
        return 2;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "LumeHookReceiver";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    if (!window || !CreateDLLInst(window))
        return 3;
    if (FILE* ready = std::fopen(readyPath, "w"))
        std::fclose(ready);
    // Runs until killed: ending without DestroyDLLInst is what the tests want to see survived.
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == lume::UM_CAPTIONCHANGED || message.message == lume::UM_CAPTIONTOUCHED) {
            std::fprintf(log, "%04x %llx %llx\n", message.message, static_cast<unsigned long long>(message.wParam),
                         static_cast<unsigned long long>(message.lParam));
            std::fflush(log);
        }
        DispatchMessageA(&message);
    }
    return 0;
}

int Check(const char* title)
{
    HWND sample = FindWindowA("LumeSample", title);
    if (!sample)
        return 1;
    DWORD_PTR answer = 0;
    UINT sync = RegisterWindowMessageA(lume::samples::SyncMessageName);
    if (!SendMessageTimeoutA(sample, sync, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) || answer != 1)
        return 1;
    RECT frame;
    GetWindowRect(sample, &frame);
    std::printf("%llx %ld %ld\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(sample)), frame.left,
                frame.top);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "receive") == 0)
        return Receive(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "check") == 0)
        return Check(argv[2]);
    std::fprintf(stderr, "usage: hook_receiver receive LOG READY | check TITLE\n");
    return 2;
}
