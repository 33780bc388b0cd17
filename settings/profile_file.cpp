#include "settings/profile_file.h"

#include <windows.h>

#include "ui/wide_text.h"

namespace lume {

namespace {

constexpr DWORD ProfileBufferChars = 1024;

// The system's code page both ways, with no flags: what the ANSI calls do.
std::wstring FromSystemText(const char* text) { return text ? ui::Widened(text, CP_ACP) : std::wstring(); }

std::string ToSystemText(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    std::string narrow(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr,
                                                               nullptr)),
                       '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, narrow.data(), static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
}

// A null argument stays null: it means "all keys" or "remove".
const wchar_t* OrNull(const char* given, const std::wstring& wide) { return given ? wide.c_str() : nullptr; }

} // namespace

std::string ProfileValue(const std::string& path, const char* section, const char* key, const char* fallback)
{
    wchar_t value[ProfileBufferChars] = {};
    const std::wstring wideSection = FromSystemText(section), wideKey = FromSystemText(key),
                       wideFallback = FromSystemText(fallback);
    const DWORD length = GetPrivateProfileStringW(wideSection.c_str(), OrNull(key, wideKey), wideFallback.c_str(),
                                                  value, ProfileBufferChars, ui::Widened(path).c_str());
    return ToSystemText(std::wstring_view(value, length < ProfileBufferChars ? length : ProfileBufferChars - 1));
}

std::vector<std::string> ProfileKeys(const std::string& path, const char* section)
{
    const std::wstring wideSection = FromSystemText(section), widePath = ui::Widened(path);
    std::vector<wchar_t> buffer(4096);
    DWORD length = 0;
    // A list cut short comes back with its size less two: ask again with more room.
    while ((length = GetPrivateProfileStringW(wideSection.c_str(), nullptr, L"", buffer.data(),
                                              static_cast<DWORD>(buffer.size()), widePath.c_str())) ==
               buffer.size() - 2 &&
           buffer.size() < (1u << 24))
        buffer.resize(buffer.size() * 4);
    std::vector<std::string> keys;
    for (size_t start = 0; start < length;) {
        const std::wstring_view key(buffer.data() + start);
        start += key.size() + 1;
        if (!key.empty())
            keys.push_back(ToSystemText(key));
    }
    return keys;
}

bool WriteProfileValue(const std::string& path, const char* section, const char* key, const char* value)
{
    const std::wstring wideSection = FromSystemText(section), wideKey = FromSystemText(key),
                       wideValue = FromSystemText(value);
    return WritePrivateProfileStringW(wideSection.c_str(), OrNull(key, wideKey), OrNull(value, wideValue),
                                      ui::Widened(path).c_str()) != 0;
}

} // namespace lume
