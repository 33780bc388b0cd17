#include "ui/wide_text.h"

namespace lume::ui {

std::wstring Widened(std::string_view text, UINT codePage)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::optional<std::string> Narrowed(std::wstring_view text, UINT codePage)
{
    if (text.empty())
        return std::string();
    const int size = static_cast<int>(text.size());
    BOOL lost = FALSE;
    // No best fit: "é" must not come back as "e", nor "①" as "1".
    const int length =
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, nullptr, &lost);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), size, narrow.data(), length, nullptr, &lost);
    if (lost || length == 0)
        return std::nullopt;
    return narrow;
}

std::optional<std::string> Cp932Path(const std::wstring& path)
{
    if (auto narrow = Narrowed(path))
        return narrow;
    std::wstring shortPath(MAX_PATH, L'\0');
    DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::nullopt;
    shortPath.resize(length);
    return Narrowed(shortPath);
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void SetWindowTextCp932(HWND window, std::string_view text) { SetWindowTextW(window, Widened(text).c_str()); }

int MessageBoxCp932(HWND owner, const std::string& text, const std::string& caption, UINT flags)
{
    return MessageBoxW(owner, Widened(text).c_str(), Widened(caption).c_str(), flags);
}

} // namespace lume::ui
