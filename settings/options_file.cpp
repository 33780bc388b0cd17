#include <windows.h>

#include <utility>
#include <vector>

#include "core/user_error.h"
#include "resources/texts.h"
#include "settings/options_io.h"
#include "settings/options_path.h"
#include "settings/settings.h"
#include "ui/wide_text.h"

namespace lume {

CaptionSettings Settings;
std::unique_ptr<ui::Font> NormalFont;
std::unique_ptr<ui::Font> ToolFont;
ExclusionList ExcludedPrograms;

namespace {

constexpr DWORD ProfileBufferBytes = 1024;

[[noreturn]] void CannotWrite(const std::string& path)
{
    // The path is in the system's code page, the message cp932 text.
    std::string message = texts::CannotWriteFormat;
    message.replace(message.find("%s"), 2, ui::Narrowed(ui::Widened(path, CP_ACP)).value_or(path));
    throw UserError(message);
}

std::string ProfileValue(const std::string& path, const char* section, const char* key, const char* fallback)
{
    char value[ProfileBufferBytes] = {};
    DWORD length = GetPrivateProfileStringA(section, key, fallback, value, ProfileBufferBytes, path.c_str());
    return std::string(value, length < ProfileBufferBytes ? length : ProfileBufferBytes - 1);
}

// The key names of a section, as the profile API lists them.
std::vector<std::string> SectionKeys(const std::string& path, const char* section)
{
    std::vector<char> buffer(4096);
    DWORD length = 0;
    // A list cut short comes back with its size less two: ask again with more room.
    while ((length = GetPrivateProfileStringA(section, nullptr, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                                              path.c_str())) == buffer.size() - 2 &&
           buffer.size() < (1u << 24))
        buffer.resize(buffer.size() * 4);
    std::vector<std::string> keys;
    for (size_t start = 0; start < length;) {
        std::string key(buffer.data() + start);
        start += key.size() + 1;
        if (!key.empty())
            keys.push_back(std::move(key));
    }
    return keys;
}

void SaveExclusions(const std::string& path)
{
    const ExclusionWrites writes = WritesForExclusions(ExcludedPrograms, SectionKeys(path, ExcludeSection));
    if (writes.eraseSection && !WritePrivateProfileStringA(ExcludeSection, nullptr, nullptr, path.c_str()))
        CannotWrite(path);
    // The dialog lets in only names that cp932 holds.
    for (const auto& [key, value] : writes.set)
        if (!WritePrivateProfileStringA(ExcludeSection, key.c_str(),
                                        ui::Narrowed(ui::AsWide(value)).value_or("").c_str(), path.c_str()))
            CannotWrite(path);
}

} // namespace

std::string OptionsFilePath()
{
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return OptionsFilePathFor(std::string_view(path, length < MAX_PATH ? length : MAX_PATH), ui::SystemLeadByteRule());
}

namespace {

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

bool FileExists(const std::string& path) { return FileExistsAt(ui::Widened(path)); }

void FirstRunNotice() { ui::MessageBoxCp932(nullptr, texts::FirstRunNotice, texts::ProgramCaption, MB_OK); }

void LoadOptions() { LoadOptionsFrom(OptionsFilePath()); }

void LoadOptionsFrom(const std::string& path)
{
    if (!FileExistsAt(ui::Widened(path, CP_ACP)))
        FirstRunNotice();
    auto read = [&](const char* section, const char* key, const char* fallback) {
        return ProfileValue(path, section, key, fallback);
    };
    ReadOptions(read, Settings, NormalFont->attributes(), ToolFont->attributes(), ui::ScreenPixelsPerInch());
    ExcludedPrograms = ReadExclusions(SectionKeys(path, ExcludeSection), [&](const std::string& key) {
        return std::u16string(ui::AsUtf16(ui::Widened(ProfileValue(path, ExcludeSection, key.c_str(), ""))));
    });
}

void SaveOptions() { SaveOptionsTo(OptionsFilePath()); }

void SaveOptionsTo(const std::string& path)
{
    auto write = [&](const char* section, const char* key, const std::string& value) {
        return WritePrivateProfileStringA(section, key, value.c_str(), path.c_str()) != 0;
    };
    if (WriteOptions(write, Settings, std::as_const(*NormalFont).attributes(), std::as_const(*ToolFont).attributes(),
                     ui::ScreenPixelsPerInch()))
        CannotWrite(path);
    SaveExclusions(path);  // after [Common]
}

} // namespace lume
