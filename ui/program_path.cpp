#include "ui/program_path.h"

#include <windows.h>

#include "ui/wide_text.h"

namespace lume::ui {

std::wstring ProgramFilePath()
{
    // The path may be longer than MAX_PATH: grow until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size() || path.size() >= 32768) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::optional<std::string> ProgramFilePathCp932()
{
    // Kept by name, the options file beside the program keeps its name too.
    const std::wstring program = ProgramFilePath();
    if (program.empty())
        return std::nullopt;
    const size_t slash = program.find_last_of(L'\\');
    const size_t cut = slash == std::wstring::npos ? 0 : slash;
    const std::optional<std::string> folder = Cp932Path(program.substr(0, cut));
    const std::optional<std::string> name = Narrowed(std::wstring_view(program).substr(cut));
    if (folder && name)
        return *folder + *name;
    return Cp932Path(program);
}

} // namespace lume::ui
