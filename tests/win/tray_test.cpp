// The tray component with a recorder in place of the shell.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/user_error.h"
#include "resources/texts.h"
#include "ui/task_tray.h"

namespace {

using namespace lume;
using namespace lume::ui;

struct ShellCall {
    DWORD message;
    UINT id;
    UINT flags;
    HICON icon;
    std::string tip;
    DWORD size;
    UINT callback;
    bool operator==(const ShellCall&) const = default;
};

std::vector<ShellCall> Calls;
BOOL ShellAnswer = TRUE;
// The recorder answers as a shell that refuses to add an icon it still holds, and can modify it.
bool ShellHoldsTheIcon = false;

BOOL RecordShellCall(DWORD message, NOTIFYICONDATAA* data)
{
    Calls.push_back({message, data->uID, data->uFlags, data->hIcon, data->szTip, data->cbSize,
                     data->uCallbackMessage});
    if (ShellHoldsTheIcon)
        return message == NIM_MODIFY;
    return ShellAnswer;
}

class OwnerForm : public ui::Form {
public:
    OwnerForm() { createWindow("LumeTrayTestOwner", "owner", WS_POPUP, 0, nullptr); }
};

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const UserError& error) {
        return error.what();
    }
    return "";
}

class TrayTest : public ::testing::Test {
protected:
    // One owner for all: the process's notify window is its child, made once and never replaced.
    static void SetUpTestSuite() { Owner = new OwnerForm; }
    static void TearDownTestSuite() { delete Owner; }

    void SetUp() override
    {
        ShellHoldsTheIcon = false;
        ShellAnswer = TRUE;
        Calls.clear();
        icon_ = LoadIcon(nullptr, IDI_APPLICATION);
    }
    static OwnerForm* Owner;
    OwnerForm& owner_ = *Owner;
    HICON icon_ = nullptr;
};

OwnerForm* TrayTest::Owner = nullptr;

TEST_F(TrayTest, RegistrationTipAndIconCalls)
{
    TTaskTray tray(&owner_, RecordShellCall);
    EXPECT_EQ(ErrorOf([&] { tray.setRegistered(true); }), texts::NoIconGiven);
    EXPECT_FALSE(tray.Registered());
    EXPECT_TRUE(Calls.empty());

    tray.setTipString("LumeLume");
    tray.setIcon(icon_);
    EXPECT_TRUE(Calls.empty()) << "nothing reaches the shell before registration";
    tray.setRegistered(true);
    ASSERT_EQ(Calls.size(), 1u);
    EXPECT_EQ(Calls[0].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(Calls[0].id, static_cast<UINT>(tray.IconID()));
    EXPECT_EQ(Calls[0].flags, 0x7u);
    EXPECT_EQ(Calls[0].tip, "LumeLume");
    EXPECT_EQ(Calls[0].size, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
    EXPECT_EQ(Calls[0].callback, 0x0466u);
    EXPECT_NE(Calls[0].icon, nullptr);
    EXPECT_TRUE(tray.InTray());
    tray.setRegistered(true);
    EXPECT_EQ(Calls.size(), 1u) << "registering again calls nothing";

    tray.setTipString("LumeLume");
    EXPECT_EQ(Calls.size(), 1u) << "the same tip calls nothing";
    tray.setTipString("");
    ASSERT_EQ(Calls.size(), 2u);
    EXPECT_EQ(Calls[1].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(Calls[1].flags, 0x3u);
    EXPECT_EQ(Calls[1].tip, "");

    // A long tip is cut at a character boundary of cp932.
    tray.setTipString(std::string(62, 'a') + "\x82\xa0" + "zz");
    EXPECT_EQ(Calls.back().tip, std::string(62, 'a'));

    // Icon := none: refreshed with no icon, then deleted; no longer registered.
    Calls.clear();
    tray.setIcon(nullptr);
    ASSERT_FALSE(Calls.empty());
    EXPECT_EQ(Calls.back().message, static_cast<DWORD>(NIM_DELETE));
    for (size_t i = 0; i + 1 < Calls.size(); ++i) {
        EXPECT_EQ(Calls[i].message, static_cast<DWORD>(NIM_MODIFY));
        EXPECT_EQ(Calls[i].icon, nullptr);
    }
    EXPECT_FALSE(tray.Registered());
    EXPECT_FALSE(tray.InTray());
    Calls.clear();
    tray.setIcon(icon_);
    EXPECT_TRUE(Calls.empty()) << "an icon again does not re-add it";
}

TEST_F(TrayTest, ShellAnnouncedWhileItStillHasTheIcon)
{
    TTaskTray tray(&owner_, RecordShellCall);
    tray.setIcon(icon_);
    tray.setRegistered(true);
    Calls.clear();
    ShellHoldsTheIcon = true;
    EXPECT_EQ(ErrorOf([&] { tray.ShellRestarted(); }), "") << "the icon is there: no error";
    ASSERT_EQ(Calls.size(), 2u);
    EXPECT_EQ(Calls[0].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(Calls[1].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_TRUE(tray.InTray());
    // A shell that can do neither: the error, as before.
    ShellAnswer = FALSE;
    ShellHoldsTheIcon = false;
    EXPECT_EQ(ErrorOf([&] { tray.ShellRestarted(); }), texts::TrayRegistrationFailed);
    ShellAnswer = TRUE;
}

TEST_F(TrayTest, IconIdsAndTheirErrors)
{
    TTaskTray first(&owner_, RecordShellCall);
    TTaskTray second(&owner_, RecordShellCall);
    EXPECT_EQ(second.IconID(), first.IconID() + 1);
    EXPECT_EQ(ErrorOf([&] { first.setIconID(0); }), texts::IconIdNotPositive);
    EXPECT_EQ(ErrorOf([&] { first.setIconID(-3); }), texts::IconIdNotPositive);
    EXPECT_EQ(ErrorOf([&] { first.setIconID(second.IconID()); }), texts::IconIdTaken);
    EXPECT_EQ(ErrorOf([&] { first.setIconID(first.IconID()); }), "") << "its own value: nothing";

    // Unregistered: no shell call. Registered: delete the old uID, add the new.
    const int32_t free = second.IconID() + 10;
    first.setIconID(free);
    EXPECT_TRUE(Calls.empty());
    second.setIcon(icon_);
    second.setRegistered(true);
    const UINT old = static_cast<UINT>(second.IconID());
    Calls.clear();
    second.setIconID(free + 1);
    ASSERT_EQ(Calls.size(), 2u);
    EXPECT_EQ(Calls[0].message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(Calls[0].id, old);
    EXPECT_EQ(Calls[1].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(Calls[1].id, static_cast<UINT>(free + 1));
    EXPECT_TRUE(second.Registered());

    // The shell refuses: the error, and not in the tray.
    TTaskTray third(&owner_, RecordShellCall);
    third.setIcon(icon_);
    ShellAnswer = FALSE;
    EXPECT_EQ(ErrorOf([&] { third.setRegistered(true); }), texts::TrayRegistrationFailed);
    EXPECT_TRUE(third.Registered());
    EXPECT_FALSE(third.InTray());
}

TEST_F(TrayTest, DestructionDeletesTheIconAndFreesItsId)
{
    auto tray = std::make_unique<TTaskTray>(&owner_, RecordShellCall);
    const int32_t id = tray->IconID();
    tray->setIcon(icon_);
    tray->setRegistered(true);
    Calls.clear();
    tray.reset();
    ASSERT_EQ(Calls.size(), 1u);
    EXPECT_EQ(Calls[0].message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(Calls[0].id, static_cast<UINT>(id));
    TTaskTray other(&owner_, RecordShellCall);
    EXPECT_EQ(ErrorOf([&] { other.setIconID(id); }), "");
}

TEST_F(TrayTest, MenusAndMouseDispatch)
{
    TTaskTray tray(&owner_, RecordShellCall);
    tray.setIcon(icon_);
    tray.setRegistered(true);
    TNotifyWindow* notify = TrayNotifyWindowOfProcess();
    ASSERT_NE(notify, nullptr);
    ASSERT_EQ(Calls.back().callback, 0x0466u);

    auto menu = std::make_unique<ui::PopupMenu>(std::vector<ui::MenuItem>{{"&About...", true, nullptr}});
    tray.setPopupMenuL(menu.get());
    tray.setPopupMenuR(menu.get());
    menu.reset();
    EXPECT_EQ(tray.PopupMenuL(), nullptr);
    EXPECT_EQ(tray.PopupMenuR(), nullptr);

    struct Seen {
        MouseButton button;
        uint8_t shift;
    };
    std::vector<Seen> downs;
    int moves = 0, ups = 0, doubles = 0;
    const WPARAM id = static_cast<WPARAM>(tray.IconID());
    tray.OnMouseDown = [&](TTaskTray*, MouseButton button, uint8_t shift, int, int) {
        downs.push_back({button, shift});
        // A tray message while this one is handled: dropped.
        SendMessageA(notify->handle(), UM_TRAYNOTIFY, id, WM_LBUTTONDOWN);
        EXPECT_TRUE(notify->DispatchBusy());
    };
    tray.OnMouseMove = [&](TTaskTray*, uint8_t shift, int, int) { moves += shift == 0; };
    tray.OnMouseUp = [&](TTaskTray*, MouseButton, uint8_t, int, int) { ++ups; };
    tray.OnDblClick = [&](TTaskTray*, MouseButton) { ++doubles; };

    for (LPARAM message : {WM_MBUTTONDBLCLK, 0x01FF, 0x020A, WM_RBUTTONDOWN, WM_MOUSEMOVE, WM_RBUTTONUP,
                           WM_LBUTTONDBLCLK})
        SendMessageA(notify->handle(), UM_TRAYNOTIFY, id, message);
    SendMessageA(notify->handle(), UM_TRAYNOTIFY, id + 100, WM_RBUTTONDOWN);  // no such icon
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].button, MouseButton::Right);
    EXPECT_EQ(downs[0].shift, ShiftRight);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(doubles, 1);
    EXPECT_FALSE(notify->DispatchBusy());

    // Busy is reset also when an error passes through.
    tray.OnMouseDown = [](TTaskTray*, MouseButton, uint8_t, int, int) { throw UserError("stop"); };
    EXPECT_THROW(notify->UMTrayNotify(id, WM_LBUTTONDOWN), UserError);
    EXPECT_FALSE(notify->DispatchBusy());
}

} // namespace
