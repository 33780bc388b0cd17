#include "ui/popup_menu.h"

namespace lume::ui {

namespace {

constexpr UINT FirstCommandId = 100;

} // namespace

PopupMenu::PopupMenu(std::vector<MenuItem> items) : items_(std::move(items))
{
    // The menu's own hidden window: the owner of the tracked menu and the
    // receiver of its commands.
    createWindow("LumeLumePopupMenu", "", WS_POPUP, 0, nullptr);
}

PopupMenu::~PopupMenu()
{
    for (auto& watcher : watchers_)
        watcher(this);
}

void PopupMenu::popup(int x, int y)
{
    HMENU menu = CreatePopupMenu();
    for (size_t i = 0; i < items_.size(); ++i) {
        const MenuItem& item = items_[i];
        if (item.caption == "-")
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(menu, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED),
                        FirstCommandId + static_cast<UINT>(i), item.caption.c_str());
    }
    // The menu takes the keyboard only when its owner is in front. The chosen
    // item comes back as a posted WM_COMMAND, after this returns.
    SetForegroundWindow(handle());
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, handle(), nullptr);
    DestroyMenu(menu);
}

LRESULT PopupMenu::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == 0) {
        size_t index = LOWORD(wParam) - FirstCommandId;
        if (index < items_.size() && items_[index].enabled && items_[index].onClick)
            items_[index].onClick();
        return 0;
    }
    return Form::handleMessage(message, wParam, lParam);
}

} // namespace lume::ui
