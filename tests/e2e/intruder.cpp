// A hostile process of the same user, for the end-to-end tests of what the
// hook library may trust:
//
//   intruder squat SECONDS   takes the name "LUMECAPTIONS" first: a 16 MiB section of
//                            which only the first page is committed, whose header is
//                            forged, once the program runs, to name the program's main
//                            window and process, with every offset pointing into the
//                            uncommitted part; prints "squatting" and stays SECONDS
//   intruder forge MODE      puts a look of its own making where the program names its
//                            look (its main window's property, the handle duplicated into
//                            the program's process) and retires the program's, so that
//                            every hook looks again; then every window repaints its frame.
//                            MODE client: a copy of the program's look whose text lies far
//                            down, in huge letters, over where client areas are;
//                            MODE reserve: a section whose pages are mostly uncommitted,
//                            its header naming them
#include <windows.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

#include "compose/published_look.h"
#include "hooklib/hook_protocol.h"

using namespace lume;

namespace {

constexpr DWORD SectionBytes = 16u << 20;

HWND ProgramWindow()
{
    for (int tries = 0; tries < 100; ++tries) {
        if (HWND window = FindWindowA("TFrmMain", nullptr))
            return window;
        Sleep(50);
    }
    return nullptr;
}

HANDLE ReservedSection(const char* name)
{
    HANDLE section = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE | SEC_RESERVE, 0, SectionBytes,
                                        name);
    return section;
}

uint8_t* CommittedHead(HANDLE section)
{
    auto* view = static_cast<uint8_t*>(MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, 0));
    if (view)
        VirtualAlloc(view, 4096, MEM_COMMIT, PAGE_READWRITE);
    return view;
}

int Squat(int seconds)
{
    HANDLE section = ReservedSection("LUMECAPTIONS");
    uint8_t* view = section ? CommittedHead(section) : nullptr;
    if (!view)
        return 1;
    std::printf("squatting\n");
    std::fflush(stdout);
    HWND program = ProgramWindow();
    DWORD process = 0;
    GetWindowThreadProcessId(program, &process);
    // A header as the program's: magic, owner, process, a live epoch; then
    // slots whose blocks lie in the uncommitted pages.
    auto* words = reinterpret_cast<uint32_t*>(view);
    words[0] = 0x434D554Cu;
    words[1] = HandleToField(reinterpret_cast<uintptr_t>(program));
    words[2] = process;
    words[3] = 1;
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
    HWND program = ProgramWindow();
    DWORD processId = 0;
    GetWindowThreadProcessId(program, &processId);
    HANDLE process = OpenProcess(PROCESS_DUP_HANDLE, FALSE, processId);
    HANDLE theirs = nullptr;
    if (!process || !DuplicateHandle(process, GetPropA(program, LookPropertyName), GetCurrentProcess(), &theirs,
                                     FILE_MAP_WRITE | FILE_MAP_READ, FALSE, 0))
        return 1;
    auto* look = static_cast<uint8_t*>(MapViewOfFile(theirs, FILE_MAP_WRITE, 0, 0, 0));
    PublishedLook header;
    std::memcpy(&header, look, sizeof header);

    HANDLE forged = nullptr;
    if (mode == "client") {
        forged = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, header.size, nullptr);
        auto* copy = static_cast<uint8_t*>(MapViewOfFile(forged, FILE_MAP_WRITE, 0, 0, 0));
        std::memcpy(copy, look, header.size);
        auto* fake = reinterpret_cast<PublishedLook*>(copy);
        fake->normalYShift = fake->toolYShift = 900;
        fake->normalXShift = fake->toolXShift = -900;
        fake->shadowShift = 1000;
        fake->letter[0] = fake->letter[1] = fake->shadow[0] = fake->shadow[1] = RGB(255, 0, 255);
        for (auto& font : fake->fonts) {
            const int32_t huge = -1000;
            std::memcpy(font, &huge, sizeof huge);
        }
        fake->noButtons = fake->noCloseButton = 1;
        fake->retired = 0;
    } else {
        forged = ReservedSection(nullptr);
        uint8_t* head = CommittedHead(forged);
        std::memcpy(head, look, sizeof header);
        auto* fake = reinterpret_cast<PublishedLook*>(head);
        fake->size = SectionBytes;
        for (auto& surface : fake->surfaces)
            surface = {static_cast<uint32_t>(SurfaceKind::Texture), 4096, 256, 8u << 20};
        fake->leftAloneCount = 1;
        fake->leftAloneOffset = 12u << 20;
        fake->leftAloneBytes = 4096;
        fake->retired = 0;
    }
    HANDLE placed = nullptr;
    if (!forged ||
        !DuplicateHandle(GetCurrentProcess(), forged, process, &placed, 0, FALSE, DUPLICATE_SAME_ACCESS) ||
        !SetPropA(program, LookPropertyName, placed))
        return 1;
    reinterpret_cast<PublishedLook*>(look)->retired = 1;
    EnumWindows(RepaintFrame, 0);
    std::printf("forged\n");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "squat" && argc == 3)
        return Squat(std::atoi(argv[2]));
    if (command == "forge" && argc == 3)
        return Forge(argv[2]);
    std::fprintf(stderr, "usage: intruder squat SECONDS | forge client|reserve\n");
    return 2;
}
