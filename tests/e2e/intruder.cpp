// A hostile process of the same user, for the end-to-end tests of what the
// hook library may trust:
//   intruder record         writes the program's "LUMEHOOK" record to name every top-level
//                           window (HWND_BROADCAST), then its own window, then none, while
//                           it changes the sample windows' focus and titles; prints
//                           "misdirected N", the notifications its window got, puts the
//                           program's window back (its hook handle stays forged) and has
//                           every frame repainted
//   intruder forge MODE     puts a look of its own where the program names its look
//                           (the handle duplicated into the program's process), retires
//                           the program's, and has every frame repainted. MODE client:
//                           the program's look, its text far down in huge letters, over
//                           the client areas; MODE reserve: a header naming uncommitted pages;
//                           MODE file: the program's look in a file of a long path
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "publish/published_look.h"
#include "hooklib/hook_protocol.h"

using namespace lume;

namespace {

constexpr DWORD SectionBytes = 16u << 20;

// A section of SectionBytes with only its first page committed, and that page.
uint8_t* ReservedSection(const char* name, HANDLE& section)
{
    section = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE | SEC_RESERVE, 0, SectionBytes, name);
    auto* view = section ? static_cast<uint8_t*>(MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, 0)) : nullptr;
    return view && VirtualAlloc(view, 4096, MEM_COMMIT, PAGE_READWRITE) ? view : nullptr;
}

HWND ProgramWindow(DWORD& process)
{
    HWND window = nullptr;
    for (int tries = 0; tries < 100 && !(window = FindWindowA("TFrmMain", nullptr)); ++tries)
        Sleep(50);
    GetWindowThreadProcessId(window, &process);
    return window;
}

BOOL CALLBACK RepaintFrame(HWND window, LPARAM)
{
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    return TRUE;
}

int Misdirected = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= UM_CAPTIONCHANGED && message <= UM_WINDOWPOSCHANGED)
        ++Misdirected;
    return DefWindowProcA(window, message, wParam, lParam);
}

int Misdirect()
{
    HANDLE section = OpenFileMappingA(FILE_MAP_WRITE, FALSE, HookShareName);
    auto* record = section ? static_cast<HookShare*>(MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, 0)) : nullptr;
    if (!record)
        return 1;
    WNDCLASSA counting{};
    counting.lpfnWndProc = CountingProc;
    counting.lpszClassName = "IntruderCounting";
    RegisterClassA(&counting);
    // Top-level, so that a broadcast reaches it.
    HWND own = CreateWindowExA(WS_EX_TOOLWINDOW, "IntruderCounting", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               nullptr, nullptr);
    HWND sizable = FindWindowA(nullptr, "Sizable window"), tool = FindWindowA(nullptr, "Tool window");
    const uint32_t program = record->MainWnd;
    record->HookHandle = 0x1234;
    for (HWND target : {HWND_BROADCAST, own, HWND{}}) {
        record->MainWnd = HandleToField(reinterpret_cast<uintptr_t>(target));
        for (int round = 0; round < 4; ++round) {
            SetForegroundWindow(round % 2 ? sizable : tool);
            DWORD_PTR result;
            SendMessageTimeoutA(tool, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(round % 2 ? "Tool window" : "Tool"),
                                SMTO_NORMAL, 1000, &result);
            for (DWORD until = GetTickCount() + 150; GetTickCount() < until; Sleep(5)) {
                MSG message;
                while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                    DispatchMessageA(&message);
            }
        }
    }
    record->MainWnd = program;
    EnumWindows(RepaintFrame, 0);  // what the system repainted meanwhile, in the program's look again
    std::printf("misdirected %d\n", Misdirected);
    return 0;
}

int Forge(const std::string& mode)
{
    DWORD processId = 0;
    HWND program = ProgramWindow(processId);
    HANDLE process = OpenProcess(PROCESS_DUP_HANDLE, FALSE, processId), theirs = nullptr;
    if (!process || !DuplicateHandle(process, GetPropA(program, LookPropertyName), GetCurrentProcess(), &theirs,
                                     FILE_MAP_WRITE | FILE_MAP_READ, FALSE, 0))
        return 1;
    auto* look = static_cast<PublishedLook*>(MapViewOfFile(theirs, FILE_MAP_WRITE, 0, 0, 0));
    HANDLE forged = nullptr;
    PublishedLook* fake = nullptr;
    if (mode == "client") {
        forged = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, look->size, nullptr);
        fake = static_cast<PublishedLook*>(MapViewOfFile(forged, FILE_MAP_WRITE, 0, 0, 0));
        std::memcpy(fake, look, look->size);
        fake->normalYShift = fake->toolYShift = 900;
        fake->normalXShift = fake->toolXShift = -900;
        fake->shadowShift = 1000;
        fake->letter[0] = fake->letter[1] = fake->shadow[0] = fake->shadow[1] = RGB(255, 0, 255);
        for (auto& font : fake->fonts)
            font[0] = 0x18, font[1] = 0xFC, font[2] = font[3] = 0xFF;  // lfHeight -1000
        fake->noButtons = fake->noCloseButton = 1;
    } else if (mode == "file") {
        // Deep in folders, as on a network share: a view of it could fault when the file went away.
        std::string path = std::getenv("TEMP") ? std::getenv("TEMP") : "C:\\";
        for (int depth = 0; depth < 3; ++depth) {
            path += "\\a folder of the intruder with a long name " + std::to_string(depth);
            CreateDirectoryA(path.c_str(), nullptr);
        }
        path += "\\look.bin";
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return 1;
        forged = CreateFileMappingA(file, nullptr, PAGE_READWRITE, 0, look->size, nullptr);
        fake = static_cast<PublishedLook*>(MapViewOfFile(forged, FILE_MAP_WRITE, 0, 0, 0));
        if (!fake)
            return 1;
        std::memcpy(fake, look, look->size);
    } else {
        fake = reinterpret_cast<PublishedLook*>(ReservedSection(nullptr, forged));
        std::memcpy(fake, look, sizeof *fake);
        fake->size = SectionBytes;
        for (auto& surface : fake->surfaces)
            surface = {static_cast<uint32_t>(SurfaceKind::Texture), 4096, 256, 8u << 20};
        fake->leftAloneCount = 1;
        fake->leftAloneOffset = 12u << 20;
        fake->leftAloneBytes = 4096;
    }
    fake->retired = 0;
    HANDLE placed = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), forged, process, &placed, 0, FALSE, DUPLICATE_SAME_ACCESS) ||
        !SetPropA(program, LookPropertyName, placed))
        return 1;
    look->retired = 1;
    EnumWindows(RepaintFrame, 0);
    std::printf("forged\n");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc >= 2 ? argv[1] : "";
    if (command == "record")
        return Misdirect();
    if (command == "forge" && argc == 3)
        return Forge(argv[2]);
    std::fprintf(stderr, "usage: intruder record | forge client|reserve|file\n");
    return 2;
}
