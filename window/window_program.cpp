#include "window/window_program.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <utility>

#include "core/window_filter.h"
#include "settings/exclusion_list.h"
#include "ui/handles.h"
#include "window/window_style.h"

namespace lume {

namespace {

// Far more windows and processes than a desktop holds; past them the caches start anew.
constexpr size_t CacheLimit = 4096;

// A process is known by its id and its start: an id may be reused later.
using ProcessKey = std::pair<DWORD, uint64_t>;

// The integrity level and app container of a process's token: unknown when
// the token cannot be read.
ProcessTrust TrustOf(HANDLE process)
{
    ProcessTrust trust;
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token))
        return trust;
    const ui::KernelHandle owned(token);
    alignas(TOKEN_MANDATORY_LABEL) BYTE label[64];
    DWORD size = 0;
    if (!GetTokenInformation(token, TokenIntegrityLevel, label, sizeof label, &size))
        return trust;
    PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(label)->Label.Sid;
    const UCHAR parts = *GetSidSubAuthorityCount(sid);
    if (parts == 0)
        return trust;
    trust.integrityLevel = *GetSidSubAuthority(sid, parts - 1);
    DWORD appContainer = 0;
    // Systems before app containers cannot be asked, and have none.
    trust.appContainer = GetTokenInformation(token, TokenIsAppContainer, &appContainer, sizeof appContainer, &size) &&
                         appContainer != 0;
    BOOL wow64 = FALSE, ownWow64 = FALSE;
    trust.sameBitness = IsWow64Process(process, &wow64) && IsWow64Process(GetCurrentProcess(), &ownWow64) &&
                        HookLoadsInto(wow64 != FALSE, ownWow64 != FALSE);
    trust.known = true;
    return trust;
}

// The program's own integrity level, read once: a process keeps its token's label.
uint32_t ProgramIntegrityLevel()
{
    static const uint32_t level = TrustOf(GetCurrentProcess()).integrityLevel;
    return level;
}

WindowProgram ProgramOfProcess(DWORD processId)
{
    // One per process: a program's file name and trust do not change while it runs.
    static std::map<ProcessKey, WindowProgram> programs;
    ui::KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process)
        return {{}, false};  // one that cannot even be asked is painted from outside
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(process.get(), &created, &exited, &kernel, &user);
    const ProcessKey key{processId, uint64_t{created.dwHighDateTime} << 32 | created.dwLowDateTime};
    if (auto found = programs.find(key); found != programs.end())
        return found->second;
    wchar_t path[MAX_PATH * 2] = {};
    DWORD length = MAX_PATH * 2;
    WindowProgram program;
    if (QueryFullProcessImageNameW(process.get(), 0, path, &length))
        program.fileName = ProgramFileName(std::u16string_view(reinterpret_cast<const char16_t*>(path), length));
    program.reachedByHook = IsServedByHook(TrustOf(process.get()), ProgramIntegrityLevel());
    if (programs.size() >= CacheLimit)
        programs.clear();
    return programs[key] = program;
}

} // namespace

const WindowProgram& ProgramOf(HWND window)
{
    // One per process, beside the lookup by process: a window keeps its process.
    static std::unordered_map<HWND, WindowProgram> programs;
    if (auto found = programs.find(window); found != programs.end())
        return found->second;
    HWND root = (StyleOf(window) & WS_CHILD) ? GetAncestor(window, GA_ROOT) : window;
    DWORD processId = 0;
    WindowProgram program =
        GetWindowThreadProcessId(root ? root : window, &processId) ? ProgramOfProcess(processId) : WindowProgram{};
    if (programs.size() >= CacheLimit)
        programs.clear();
    return programs[window] = std::move(program);
}

namespace {

BOOL CALLBACK CollectProgramProc(HWND window, LPARAM found)
{
    auto& names = *reinterpret_cast<std::vector<std::u16string>*>(found);
    if (!IsSweepCandidate(StyleOf(window)))
        return TRUE;
    const std::u16string& name = ProgramFileNameOf(window);
    if (!name.empty() &&
        std::none_of(names.begin(), names.end(), [&](const std::u16string& known) { return SameProgram(known, name); }))
        names.push_back(name);
    return TRUE;
}

} // namespace

std::vector<std::u16string> RunningProgramNames()
{
    std::vector<std::u16string> names;
    EnumWindows(CollectProgramProc, reinterpret_cast<LPARAM>(&names));
    return names;
}

} // namespace lume
