// The options dialog's last page: the programs left alone, edited in a
// working copy that OK gives back and CANCEL drops.
#include "settings/option_dialog.h"

namespace lume {

void TDlgOption::FillExclusions(const ExclusionList& list)
{
    exclusions_ = list;
    showExclusions();
}

void TDlgOption::showExclusions()
{
    HWND box = control("LstExclude");
    SendMessageA(box, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : exclusions_.names())
        SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

void TDlgOption::BtnExcludeAddClick()
{
    // The typed name, trimmed and without a folder; an empty one or a duplicate adds nothing.
    if (exclusions_.add(text("EdtExclude"))) {
        showExclusions();
        setText("EdtExclude", "");
    }
}

void TDlgOption::BtnExcludeDeleteClick()
{
    const LRESULT selected = SendMessageA(control("LstExclude"), LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return;
    exclusions_.remove(static_cast<size_t>(selected));
    showExclusions();
}

void TDlgOption::BtnExcludeRunningClick()
{
    std::string program;
    if (pickers_.pickProgram && pickers_.pickProgram(handle(), program) && exclusions_.add(program))
        showExclusions();
}

} // namespace lume
