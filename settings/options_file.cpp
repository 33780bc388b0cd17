#include <windows.h>

#include <utility>

#include "core/user_error.h"
#include "resources/texts.h"
#include "settings/options_io.h"
#include "settings/options_path.h"
#include "settings/settings.h"

namespace lume {

CaptionSettings Settings;
std::unique_ptr<ui::Font> NormalFont;
std::unique_ptr<ui::Font> ToolFont;

namespace {

constexpr DWORD ProfileBufferBytes = 1024;

} // namespace

std::string OptionsFilePath()
{
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return OptionsFilePathFor(std::string_view(path, length < MAX_PATH ? length : MAX_PATH));
}

bool FileExists(const std::string& path)
{
    // A search pattern "exists" whenever some file matches it, but names none.
    // (No cp932 trail byte is '*' or '?'.)
    if (path.find_first_of("*?") != std::string::npos)
        return false;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void FirstRunNotice()
{
    MessageBoxA(nullptr, texts::FirstRunNotice, texts::ProgramCaption, MB_OK);
}

void LoadOptions() { LoadOptionsFrom(OptionsFilePath()); }

void LoadOptionsFrom(const std::string& path)
{
    if (!FileExists(path))
        FirstRunNotice();
    auto read = [&](const char* section, const char* key, const char* fallback) {
        char value[ProfileBufferBytes] = {};
        DWORD length = GetPrivateProfileStringA(section, key, fallback, value, ProfileBufferBytes, path.c_str());
        return std::string(value, length < ProfileBufferBytes ? length : ProfileBufferBytes - 1);
    };
    ReadOptions(read, Settings, NormalFont->attributes(), ToolFont->attributes(), ui::ScreenPixelsPerInch());
}

void SaveOptions() { SaveOptionsTo(OptionsFilePath()); }

void SaveOptionsTo(const std::string& path)
{
    auto write = [&](const char* section, const char* key, const std::string& value) {
        return WritePrivateProfileStringA(section, key, value.c_str(), path.c_str()) != 0;
    };
    if (WriteOptions(write, Settings, std::as_const(*NormalFont).attributes(), std::as_const(*ToolFont).attributes(),
                     ui::ScreenPixelsPerInch())) {
        std::string message = texts::CannotWriteFormat;
        message.replace(message.find("%s"), 2, path);
        throw UserError(message);
    }
}

} // namespace lume
