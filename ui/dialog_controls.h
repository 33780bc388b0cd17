// Small controls of the class library's dialogs: a colour swatch, a page
// that hosts controls, and typing filtered by a rule.
#pragma once
#include <windows.h>

namespace lume::ui {

// A colour in a lowered 2-pixel bevel.
constexpr char SwatchClass[] = "LumeSwatch";
// A page of a page control: the parent of its controls on the pages'
// background; what its controls report goes on to its own parent.
constexpr char PageClass[] = "LumeDialogPage";

// Registers both classes once per process.
void RegisterDialogControlClasses();

COLORREF SwatchColor(HWND swatch);
void SetSwatchColor(HWND swatch, COLORREF color);

// Only characters `accepts` allows reach the edit; any other is refused with
// a beep. The edit is a Unicode window: each WM_CHAR is a whole UTF-16 unit.
void FilterTyping(HWND edit, bool (*accepts)(char16_t) noexcept);

} // namespace lume::ui
