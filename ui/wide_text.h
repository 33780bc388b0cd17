// Text where it meets Windows: the program's own texts and everything the
// options file holds are cp932 bytes on every system, converted with code
// page 932, never the system's; Windows takes and gives UTF-16.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace lume::ui {

constexpr UINT Cp932 = 932;

std::wstring Widened(std::string_view text, UINT codePage = Cp932);
// Nothing when a character has no form in the code page: never a "?" in its place.
std::optional<std::string> Narrowed(std::wstring_view text, UINT codePage = Cp932);

// A path as cp932 text: as it is, or by its short form where the file system
// has one that cp932 holds; nothing otherwise.
std::optional<std::string> Cp932Path(const std::wstring& path);

// The pure core's UTF-16 strings are Windows' wide strings.
inline std::wstring_view AsWide(std::u16string_view text)
{
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}
inline std::u16string_view AsUtf16(std::wstring_view text)
{
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// A window's text, and setting it, through the wide calls.
std::wstring WindowText(HWND window);
void SetWindowTextCp932(HWND window, std::string_view text);

// The program's own message boxes: cp932 text and caption.
int MessageBoxCp932(HWND owner, const std::string& text, const std::string& caption, UINT flags);

} // namespace lume::ui
