// The options dialog's last page: the programs left alone, edited in a
// working copy that OK gives back and CANCEL drops.
#include "settings/option_dialog.h"

#include "core/user_error.h"
#include "resources/texts.h"
#include "ui/wide_text.h"

namespace lume {

void TDlgOption::FillExclusions(const ExclusionList& list, RunningPrograms runningPrograms)
{
    exclusions_ = list;
    runningPrograms_ = std::move(runningPrograms);
    showExclusions();
}

void TDlgOption::showExclusions()
{
    HWND box = control("LstExclude");
    SendMessageW(box, LB_RESETCONTENT, 0, 0);
    for (const std::u16string& name : exclusions_.names())
        SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::wstring(ui::AsWide(name)).c_str()));
}

bool TDlgOption::addExclusion(std::u16string_view typed)
{
    // The options file keeps the names as cp932 text: one it cannot hold is refused.
    if (!ui::Narrowed(ui::AsWide(ProgramFileName(typed))))
        throw UserError(texts::NotInOptionsFile);
    if (!exclusions_.add(typed))
        return false;
    showExclusions();
    return true;
}

void TDlgOption::BtnExcludeAddClick()
{
    // The typed name, trimmed and without a folder; an empty one or a duplicate adds nothing.
    HWND edit = control("EdtExclude");
    if (addExclusion(ui::AsUtf16(ui::WindowText(edit))))
        SetWindowTextW(edit, L"");
}

void TDlgOption::BtnExcludeDeleteClick()
{
    const LRESULT selected = SendMessageW(control("LstExclude"), LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return;
    exclusions_.remove(static_cast<size_t>(selected));
    showExclusions();
}

void TDlgOption::BtnExcludeRunningClick()
{
    // Found when asked: the programs running now.
    std::u16string program;
    if (pickers_.pickProgram && runningPrograms_ && pickers_.pickProgram(handle(), runningPrograms_(), program))
        addExclusion(program);
}

} // namespace lume
