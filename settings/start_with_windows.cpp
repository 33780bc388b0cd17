#include "settings/start_with_windows.h"

#include <windows.h>

#include <optional>
#include <string>

#include "core/user_error.h"
#include "resources/texts.h"
#include "ui/handles.h"
#include "ui/program_path.h"

namespace lume {

namespace {

constexpr wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t RunValueName[] = L"LumeLume";

// Quoted, so that a path with blanks names the program and nothing after it.
std::wstring StartCommand() { return L"\"" + ui::ProgramFilePath() + L"\""; }

ui::RegistryKey OpenRunKey(REGSAM access, LSTATUS& status)
{
    HKEY key = nullptr;
    status = RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, access, &key);
    return ui::RegistryKey(status == ERROR_SUCCESS ? key : nullptr);
}

// The value's text; empty when it is there but cannot be read as text.
std::optional<std::wstring> RunValue()
{
    LSTATUS status;
    const ui::RegistryKey key = OpenRunKey(KEY_QUERY_VALUE, status);
    DWORD bytes = 0;
    if (!key || RegQueryValueExW(key.get(), RunValueName, nullptr, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD type = 0;
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.get(), RunValueName, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &bytes) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return std::wstring();
    text.resize(text.find(L'\0'));
    return text;
}

bool WriteRunValue()
{
    // The Run key may not exist yet in a new profile.
    HKEY made = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, RunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &made, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const ui::RegistryKey key(made);
    const std::wstring command = StartCommand();
    const auto bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), RunValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                          bytes) == ERROR_SUCCESS;
}

bool RemoveRunValue()
{
    LSTATUS status;
    const ui::RegistryKey key = OpenRunKey(KEY_SET_VALUE, status);
    if (!key)
        return status == ERROR_FILE_NOT_FOUND;  // no key, no value
    status = RegDeleteValueW(key.get(), RunValueName);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

} // namespace

bool StartsWithWindows() { return RunValue().has_value(); }

void SetStartWithWindows(bool start)
{
    const std::optional<std::wstring> standing = RunValue();
    if (start ? standing == StartCommand() : !standing)
        return;
    if (!(start ? WriteRunValue() : RemoveRunValue()))
        throw UserError(texts::StartWithWindowsUnchanged);
}

} // namespace lume
