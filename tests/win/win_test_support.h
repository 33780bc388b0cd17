// Helpers for tests that run under Wine: child processes, waiting for a
// condition with a deadline, and the sample-windows program.
#pragma once
#include <windows.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/samples/sample_protocol.h"

namespace lume::test {

// Polls `condition` until it holds or `timeoutMs` pass, pumping this thread's
// messages meanwhile. Returns whether it held.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 3000)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
    }
}

// Dispatches this thread's messages until none has come for `quietMs`.
inline void PumpUntilQuiet(DWORD quietMs = 300)
{
    for (;;) {
        MSG message;
        bool any = false;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            any = true;
        }
        if (!any && MsgWaitForMultipleObjects(0, nullptr, FALSE, quietMs, QS_ALLINPUT) == WAIT_TIMEOUT)
            return;
    }
}

// The folder of the running test program, with a trailing backslash.
inline std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The sample-windows program, built beside the test programs.
inline std::string SampleWindowsExe() { return ProgramFolder() + "..\\samples\\sample_windows.exe"; }

inline std::string TempFile(const std::string& name)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// A child process, ended (if still running) and released on destruction.
class ChildProcess {
public:
    explicit ChildProcess(const std::string& commandLine)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &info_)) {
            CloseHandle(info_.hThread);
            info_.hThread = nullptr;
        } else {
            info_ = {};
        }
    }
    ~ChildProcess()
    {
        if (info_.hProcess) {
            if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, 5000);
            CloseHandle(info_.hProcess);
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return info_.hProcess != nullptr; }
    HANDLE handle() const { return info_.hProcess; }
    DWORD id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_{};
};

inline HWND WaitForWindow(const char* className, const char* title, int timeoutMs = 10000)
{
    HWND found = nullptr;
    WaitFor([&] { return (found = FindWindowA(className, title)) != nullptr; }, timeoutMs);
    return found;
}

// A round trip to a sample window: when it returns, the window's thread has
// handled everything sent before it and posted whatever that caused.
inline bool SyncWith(HWND sample)
{
    static const UINT sync = RegisterWindowMessageA(samples::SyncMessageName);
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(sample, sync, 0, 0, SMTO_BLOCK, 5000, &answer) && answer == 1;
}

// Asks a sample window to hit-test a screen point in its own thread.
inline LRESULT HitTestInSample(HWND sample, POINT screen)
{
    static const UINT hitTest = RegisterWindowMessageA(samples::HitTestMessageName);
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(sample, hitTest, 0, MAKELPARAM(screen.x, screen.y), SMTO_BLOCK, 5000, &answer);
    return static_cast<LRESULT>(answer);
}

// One line of the sample program's --log file.
struct LoggedMessage {
    uint32_t window;
    uint32_t message;
    uint32_t style;
    long long result;
    bool fromOtherThread;
};

inline std::vector<LoggedMessage> ReadSampleLog(const std::string& path)
{
    std::vector<LoggedMessage> entries;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        LoggedMessage entry{};
        int other = 0;
        if (fields >> std::hex >> entry.window >> entry.message >> entry.style >> std::dec >> entry.result >> other) {
            entry.fromOtherThread = other != 0;
            entries.push_back(entry);
        }
    }
    return entries;
}

} // namespace lume::test
