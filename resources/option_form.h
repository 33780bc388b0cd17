// The options dialog's form description: every control with its name, kind,
// page, place (at 96 dpi, relative to its page or group) and text.
#pragma once
#include <string>
#include <vector>

namespace lume {

// A RadioButton is one item of the group its name begins with ("GrpComposed.1"
// is item 1 of "GrpComposed"), placed by its own record.
enum class ControlKind {
    PageControl, GroupBox, RadioGroup, Button, Label, Swatch, Edit, SpinEdit, CheckBox, Memo, ListBox, RadioButton
};

// Pages in their order; Frame holds what lies outside the pages. Exclude, the
// programs left alone, comes after the four pages of the settings record;
// Composition, what is done where the window manager draws the frames, last.
enum class OptionPage { Active, Inactive, Common, Other, Exclude, Composition, Frame };

struct ControlRecord {
    std::string name;
    ControlKind kind;
    OptionPage page;
    std::string group;  // the group box it sits in and is placed relative to, or empty
    int x, y, width, height;
    std::string text;   // cp932; radio groups: caption then items, separated by "\n"
    bool enabled = true;
    bool visible = true;
};

struct OptionFormDescription {
    std::string title;     // "FrmMain"
    int clientWidth;       // 448
    int clientHeight;      // 376
    std::string fontFace;  // "ＭＳ Ｐ明朝" (English: "MS Shell Dlg 2"), 9 points
    std::string memoFace;  // "ＭＳ 明朝" (English: "MS Shell Dlg 2")
    std::vector<std::string> pageTitles;
    std::vector<ControlRecord> controls;
};

// In the current language.
const OptionFormDescription& OptionForm();

} // namespace lume
