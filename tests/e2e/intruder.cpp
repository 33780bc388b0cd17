// A hostile process of the same user, for the end-to-end tests of what the
// hook library may trust:
//   intruder squat SECONDS  takes "LUMECAPTIONS" first: 16 MiB of which only the first
//                           page is committed, its header forged once the program runs
//                           to name the program's window and process, every offset
//                           pointing into the uncommitted part; prints "squatting"
//   intruder forge MODE     puts a look of its own where the program names its look
//                           (the handle duplicated into the program's process), retires
//                           the program's, and has every frame repainted. MODE client:
//                           the program's look, its text far down in huge letters, over
//                           the client areas; MODE reserve: a header naming uncommitted pages
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "compose/published_look.h"
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

int Squat(int seconds)
{
    HANDLE section;
    auto* words = reinterpret_cast<uint32_t*>(ReservedSection("LUMECAPTIONS", section));
    if (!words)
        return 1;
    std::printf("squatting\n");
    std::fflush(stdout);
    DWORD process = 0;
    HWND program = ProgramWindow(process);
    // Magic, owner, process, a live epoch; then slots whose blocks lie in the uncommitted pages.
    const uint32_t header[] = {0x434D554Cu, HandleToField(reinterpret_cast<uintptr_t>(program)), process, 1};
    std::memcpy(words, header, sizeof header);
    for (uint32_t i = 1100 / 4; i < 4096 / 4; ++i)
        words[i] = i % 12 == 10 ? (8u << 20) : 2;
    Sleep(static_cast<DWORD>(seconds) * 1000);
    return 0;
}

BOOL CALLBACK RepaintFrame(HWND window, LPARAM)
{
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    return TRUE;
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
    const std::string command = argc == 3 ? argv[1] : "";
    if (command == "squat")
        return Squat(std::atoi(argv[2]));
    if (command == "forge")
        return Forge(argv[2]);
    std::fprintf(stderr, "usage: intruder squat SECONDS | forge client|reserve\n");
    return 2;
}
