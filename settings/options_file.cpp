#include <windows.h>

#include <vector>

#include "core/user_error.h"
#include "resources/texts.h"
#include "settings/options_io.h"
#include "settings/options_path.h"
#include "settings/profile_file.h"
#include "settings/settings.h"
#include "ui/program_path.h"
#include "ui/wide_text.h"

namespace lume {

namespace {

[[noreturn]] void CannotWrite(const std::string& path)
{
    std::string message = texts::CannotWriteFormat;
    message.replace(message.find("%s"), 2, path);
    throw UserError(message);
}

void SaveExclusions(const std::string& path, const ExclusionList& excluded)
{
    const ExclusionWrites writes = WritesForExclusions(excluded, ProfileKeys(path, ExcludeSection));
    if (writes.eraseSection && !WriteProfileValue(path, ExcludeSection, nullptr, nullptr))
        CannotWrite(path);
    // The dialog lets in only names that cp932 holds.
    for (const auto& [key, value] : writes.set)
        if (!WriteProfileValue(path, ExcludeSection, key.c_str(), ui::Narrowed(ui::AsWide(value)).value_or("").c_str()))
            CannotWrite(path);
}

bool FileExistsAt(const std::wstring& path)
{
    // A search pattern "exists" whenever some file matches it, but names none.
    // The "?" of a "\\?\" prefix is no pattern.
    const std::wstring_view literal = L"\\\\?\\";
    const size_t prefix = path.starts_with(literal) ? literal.size() : 0;
    if (path.find_first_of(L"*?", prefix) != std::wstring::npos)
        return false;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace

std::optional<std::string> OptionsFilePath()
{
    const std::optional<std::string> program = ui::ProgramFilePathCp932();
    if (!program)
        return std::nullopt;
    return OptionsFilePathFor(*program);
}

bool FileExists(const std::string& path) { return FileExistsAt(ui::Widened(path)); }

void FirstRunNotice() { ui::MessageBoxCp932(nullptr, texts::FirstRunNotice, texts::ProgramCaption, MB_OK); }

void LoadOptions(ProgramOptions& options)
{
    if (const std::optional<std::string> path = OptionsFilePath())
        return LoadOptionsFrom(*path, options);
    // No file to read: the defaults, and the reason.
    ReadOptions([](const char*, const char*, const char* fallback) { return std::string(fallback); },
                options.caption, options.normalFont.attributes(), options.toolFont.attributes(),
                ui::ScreenPixelsPerInch());
    options.excluded = ExclusionList();
    throw UserError(texts::OptionsFileUnnamed);
}

void LoadOptionsFrom(const std::string& path, ProgramOptions& options)
{
    if (!FileExists(path))
        FirstRunNotice();
    auto read = [&](const char* section, const char* key, const char* fallback) {
        return ProfileValue(path, section, key, fallback);
    };
    ReadOptions(read, options.caption, options.normalFont.attributes(), options.toolFont.attributes(),
                ui::ScreenPixelsPerInch());
    options.excluded = ReadExclusions(ProfileKeys(path, ExcludeSection), [&](const std::string& key) {
        return std::u16string(ui::AsUtf16(ui::Widened(ProfileValue(path, ExcludeSection, key.c_str(), ""))));
    });
}

void SaveOptions(const ProgramOptions& options)
{
    const std::optional<std::string> path = OptionsFilePath();
    if (!path)
        throw UserError(texts::OptionsFileUnnamed);
    SaveOptionsTo(*path, options);
}

void SaveOptionsTo(const std::string& path, const ProgramOptions& options)
{
    auto write = [&](const char* section, const char* key, const std::string& value) {
        return WriteProfileValue(path, section, key, value.c_str());
    };
    if (WriteOptions(write, options.caption, options.normalFont.attributes(), options.toolFont.attributes(),
                     ui::ScreenPixelsPerInch()))
        CannotWrite(path);
    SaveExclusions(path, options.excluded);  // after [Common]
}

} // namespace lume
