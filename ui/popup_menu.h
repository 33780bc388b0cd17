// A pop-up menu: items with a caption, an enabled flag and a click handler.
// The chosen item's handler runs from the message loop after the menu has
// closed, and watchers hear of the menu's destruction.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/form.h"

namespace lume::ui {

struct MenuItem {
    std::string caption;  // "-" for a separator; "&" marks the access key
    bool enabled = true;
    std::function<void()> onClick;
};

class PopupMenu : private Form {
public:
    explicit PopupMenu(std::vector<MenuItem> items);
    ~PopupMenu() override;

    MenuItem& item(size_t index) { return items_[index]; }
    size_t itemCount() const { return items_.size(); }

    // Shows the menu with its top-left corner at the screen point; either
    // button chooses. Returns when the menu has closed.
    void popup(int x, int y);

    // Called when the menu is destroyed.
    void notifyOnDestruction(std::function<void(PopupMenu*)> watcher) { watchers_.push_back(std::move(watcher)); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::vector<MenuItem> items_;
    std::vector<std::function<void(PopupMenu*)>> watchers_;
};

} // namespace lume::ui
