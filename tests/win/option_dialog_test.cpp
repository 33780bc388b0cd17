// The options dialog in-process, with scripted answers in place of the
// colour, file and font dialogs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <future>
#include <memory>
#include <string>

#include "app/main_form.h"
#include "core/user_error.h"
#include "resources/texts.h"
#include "settings/option_dialog.h"
#include "settings/option_labels.h"
#include "settings/options_io.h"
#include "settings/settings.h"
#include "settings/start_with_windows.h"
#include "tests/common/bmp_writer.h"
#include "tests/win/screen_capture.h"
#include "tests/win/test_settings.h"
#include "tests/win/win_test_support.h"
#include "ui/application.h"
#include "ui/program_path.h"
#include "ui/wide_text.h"

namespace {

using namespace lume;
using namespace lume::test;

// What the scripted pickers answer, and how often they were asked.
struct Script {
    bool confirm = true;
    COLORREF color = RGB(1, 2, 3);
    std::string path = "C:\\picked.bmp";
    ui::FontSpec font;
    int asked = 0;
};

OptionPickers ScriptedPickers(Script& script)
{
    OptionPickers pickers;
    pickers.pickColor = [&script](HWND, COLORREF& color, COLORREF*) {
        ++script.asked;
        if (script.confirm)
            color = script.color;
        return script.confirm;
    };
    pickers.pickFile = [&script](HWND, std::string& path) {
        ++script.asked;
        if (script.confirm)
            path = script.path;
        return script.confirm;
    };
    pickers.pickFont = [&script](HWND, ui::FontSpec& font) {
        ++script.asked;
        if (script.confirm)
            font = script.font;
        return script.confirm;
    };
    return pickers;
}

CaptionSettings Distinct()
{
    CaptionSettings s;
    s.Active = {SurfaceKind::Default, "C:\\a.bmp", RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4), RGB(5, 5, 5)};
    s.Inactive = {SurfaceKind::Texture, "", RGB(6, 6, 6), RGB(7, 7, 7), RGB(8, 8, 8), RGB(9, 9, 9), RGB(10, 10, 10)};
    s.Common = {-1, 2, -3, 4, -5, true, false, true, ComposedFrames::Leave};
    return s;
}

// Runs `during` from inside the dialog's modal loop, once it is shown.
int ShowModalWhile(TDlgOption& dialog, std::function<void()> during)
{
    static std::function<void()> pending;
    pending = std::move(during);
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        auto run = std::move(pending);
        pending = nullptr;
        if (run)
            run();
    });
    return dialog.ShowModal();
}

// The first descendant of `parent` of the class (and with the text, when given).
HWND FindDescendant(HWND parent, const char* className, const char* text = nullptr)
{
    struct Search {
        const char* className;
        const char* text;
        HWND found;
    } search{className, text, nullptr};
    EnumChildWindows(
        parent,
        [](HWND window, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            char name[64] = {}, caption[128] = {};
            GetClassNameA(window, name, sizeof name);
            GetWindowTextA(window, caption, sizeof caption);
            if (lstrcmpiA(name, s->className) == 0 && (!s->text || std::string(caption) == s->text)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

constexpr wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class OptionDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ui::Application::instance().initialize(GetModuleHandleA(nullptr));
    }
    Script script_;
    ui::Font normalFont_;
    ui::Font toolFont_;
};

TEST_F(OptionDialogTest, FillAndCopyBackGiveTheSameRecord)
{
    TDlgOption dialog(nullptr, ScriptedPickers(script_));
    CaptionSettings settings = Distinct();
    normalFont_.setFace("Normal Face");
    normalFont_.setStyle(ui::FontBold);
    toolFont_.setFace("Tool Face");
    toolFont_.setSize(13);
    dialog.Fill(settings, normalFont_, toolFont_);
    EXPECT_EQ(dialog.swatchColor("PnlActLED"), RGB(5, 5, 5));
    EXPECT_FALSE(IsWindowEnabled(dialog.control("BtnActLED")));
    EXPECT_FALSE(IsWindowVisible(dialog.control("ChkBoxSBNoCust")));
    EXPECT_EQ(dialog.text("SpinEdtShadow"), "-5");

    CaptionSettings back;
    ui::Font normal, tool;
    dialog.CopyBack(back, normal, tool);
    EXPECT_EQ(back, settings);
    EXPECT_EQ(normal.attributes(), normalFont_.attributes());
    EXPECT_EQ(tool.attributes(), toolFont_.attributes());
}

TEST_F(OptionDialogTest, PicksConfirmedAndCancelled)
{
    TDlgOption dialog(nullptr, ScriptedPickers(script_));
    dialog.Fill(Distinct(), normalFont_, toolFont_);
    dialog.UpdateFontLabels();
    const std::string styleBefore = dialog.text("LblFontStyleNormal");

    script_.confirm = false;
    dialog.BtnActLetterClick();
    dialog.BtnInactTextureClick();
    dialog.BtnFontNormalClick();
    EXPECT_EQ(script_.asked, 3);
    EXPECT_EQ(dialog.swatchColor("PnlActLetter"), RGB(1, 1, 1));
    EXPECT_EQ(dialog.text("EdtInactTexture"), "");
    EXPECT_EQ(dialog.text("LblFontStyleNormal"), styleBefore);

    script_.confirm = true;
    script_.font.face = std::string(31, 'F');
    script_.font.height = -16;
    script_.font.style = ui::FontBold | ui::FontUnderline;
    dialog.BtnInactShadowClick();
    dialog.BtnActTextureClick();
    dialog.Button1Click();
    EXPECT_EQ(dialog.swatchColor("PnlInactShadow"), RGB(1, 2, 3));
    EXPECT_EQ(dialog.text("EdtActTexture"), "C:\\picked.bmp");
    EXPECT_EQ(dialog.text("LblFontStyleTool"), FontStyleLabel(ui::FontBold | ui::FontUnderline));
    EXPECT_EQ(dialog.text("LblFontNameTool"), FontNameLabel(std::string(31, 'F')));
    EXPECT_EQ(dialog.text("LblFontStyleNormal"), styleBefore);
}

TEST_F(OptionDialogTest, SpinEditsAndTheModalEnds)
{
    TDlgOption dialog(nullptr, ScriptedPickers(script_));
    dialog.Fill(Distinct(), normalFont_, toolFont_);
    HWND shadow = dialog.control("SpinEdtShadow");

    // Opens on the first page; Esc, the close box and CANCEL give Cancel, Enter gives OK.
    EXPECT_EQ(ShowModalWhile(dialog, [&] {
                  EXPECT_EQ(dialog.currentPage(), 0);
                  EXPECT_TRUE(IsWindowVisible(dialog.control("PnlActLetter")));
                  EXPECT_FALSE(IsWindowVisible(dialog.control("PnlInactLetter")));
                  PostMessageA(dialog.handle(), WM_KEYDOWN, VK_ESCAPE, 0);
              }),
              ModalCancel);
    EXPECT_EQ(ShowModalWhile(dialog, [&] { PostMessageA(dialog.handle(), WM_CLOSE, 0, 0); }), ModalCancel);
    EXPECT_EQ(ShowModalWhile(dialog, [&] { PostMessageA(dialog.handle(), WM_KEYDOWN, VK_RETURN, 0); }), ModalOk);

    // Typing: letters refused; emptied reads 0; negative values kept; steps of one either way.
    SetWindowTextA(shadow, "-3");
    SendMessageA(shadow, WM_CHAR, 'a', 0);
    SendMessageW(shadow, WM_CHAR, 0x4E2D, 0);  // "中", whose low byte is "-"
    EXPECT_EQ(dialog.text("SpinEdtShadow"), "-3");
    EXPECT_EQ(dialog.spinValue("SpinEdtShadow"), -3);
    HWND upDown = dialog.control("SpinEdtShadow.UpDown");
    NMUPDOWN step{{upDown, 0, static_cast<UINT>(UDN_DELTAPOS)}, 0, 1};
    SendMessageA(dialog.handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&step));
    EXPECT_EQ(dialog.spinValue("SpinEdtShadow"), -2);
    SetWindowTextA(shadow, "");
    EXPECT_EQ(dialog.spinValue("SpinEdtShadow"), 0);
    step.iDelta = -1;
    SendMessageA(dialog.handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&step));
    EXPECT_EQ(dialog.text("SpinEdtShadow"), "-1");
}

TEST_F(OptionDialogTest, EnterInTheNameBoxAddsTheName)
{
    TDlgOption dialog(nullptr, ScriptedPickers(script_));
    dialog.Fill(Distinct(), normalFont_, toolFont_);
    dialog.FillExclusions({});
    HWND edit = dialog.control("EdtExclude");
    // Enter there adds the name, quotes dropped, and the dialog stays; Esc then cancels it.
    EXPECT_EQ(ShowModalWhile(dialog, [&] {
                  TabCtrl_SetCurSel(dialog.control("PageControl1"), 4);
                  NMHDR change{dialog.control("PageControl1"), 0, static_cast<UINT>(TCN_SELCHANGE)};
                  SendMessageA(dialog.handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
                  SetFocus(edit);
                  SetWindowTextW(edit, L"\"C:\\x\\foo.exe\"");
                  PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
                  PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
              }),
              ModalCancel);
    EXPECT_EQ(dialog.Exclusions().names(), std::vector<std::u16string>{u"foo.exe"});
    EXPECT_EQ(ui::WindowText(edit), L"");

    // A name the options file cannot hold is refused, and stays in the box.
    SetWindowTextW(edit, L"게임.exe");
    EXPECT_THROW(dialog.BtnExcludeAddClick(), UserError);
    EXPECT_EQ(dialog.Exclusions().names(), std::vector<std::u16string>{u"foo.exe"});
    EXPECT_EQ(ui::WindowText(edit), L"게임.exe");
}

TEST_F(OptionDialogTest, ATexturePathTheFileCannotHoldIsRefused)
{
    TDlgOption dialog(nullptr, ScriptedPickers(script_));
    const CaptionSettings settings = Distinct();
    dialog.Fill(settings, normalFont_, toolFont_);
    SetWindowTextW(dialog.control("EdtActTexture"), L"C:\\없음\\x.bmp");  // no such file: no short path
    // The message, read and answered from another thread.
    auto shown = std::async(std::launch::async, [] {
        HWND box = nullptr;
        std::wstring text;
        WaitFor([&] {
            box = FindWindowA("#32770", nullptr);
            return box && !(text = ui::WindowText(GetDlgItem(box, 0xFFFF))).empty();
        }, 10000);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return text;
    });
    CaptionSettings back = settings;
    dialog.CopyBack(back, normalFont_, toolFont_);
    EXPECT_EQ(back.Active.Texture, settings.Active.Texture) << "the old value is kept";
    EXPECT_EQ(shown.get(), ui::Widened(std::string(texts::NotInOptionsFile) + "."));
}

TEST_F(OptionDialogTest, EachPageShowsItsOwnContents)
{
    TDlgOption dialog(nullptr, ScriptedPickers(script_));
    CaptionSettings settings;
    LoadDefaultSettings(settings, normalFont_, toolFont_);
    dialog.Fill(settings, normalFont_, toolFont_);
    dialog.UpdateFontLabels();
    std::vector<Capture> pages;
    ShowModalWhile(dialog, [&] {
        HWND tabs = dialog.control("PageControl1");
        for (int page = 0; page < 6; ++page) {
            TabCtrl_SetCurSel(tabs, page);
            NMHDR change{tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
            SendMessageA(dialog.handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
            RECT frame, area;
            GetWindowRect(dialog.handle(), &frame);
            GetWindowRect(tabs, &area);
            TabCtrl_AdjustRect(tabs, FALSE, &area);  // the page under the tabs
            // Read once the dialog has painted it: two reads agree.
            pages.emplace_back();
            WaitFor([&] {
                PumpUntilQuiet(50);
                Capture now = CaptureScreen(area);
                return std::exchange(pages.back(), now) == now;
            });
            SaveScreenBmp(frame, ProgramFolder() + "option_page" + std::to_string(page + 1) + ".bmp");
        }
        dialog.CancelBtnClick();
    });
    ASSERT_EQ(pages.size(), 6u);
    for (size_t page = 0; page < pages.size(); ++page) {
        const std::vector<uint32_t>& pixels = pages[page].pixels;
        EXPECT_NE(std::adjacent_find(pixels.begin(), pixels.end(), std::not_equal_to<>()), pixels.end())
            << "page " << page + 1 << " is blank";
        for (size_t other = 0; other < page; ++other)
            EXPECT_FALSE(pages[page] == pages[other]) << "pages " << other + 1 << " and " << page + 1 << " look alike";
    }
}

TEST_F(OptionDialogTest, TextureErrorAfterOkStillEndsTheDialog)
{
    // The main form in this process, with an options file so that no notice shows.
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string ini = program;
    ini = ini.substr(0, ini.find_last_of('.')) + ".ini";
    WritePrivateProfileStringA("Active", "Surface", "Gradation", ini.c_str());
    std::string notBitmap = TempFile("lume_not_a_bitmap.bmp");
    WritePrivateProfileStringA("NotABitmap", "Text", std::string(100, 'x').c_str(), notBitmap.c_str());

    auto form = std::make_unique<TFrmMain>(Mends{}, ScriptedPickers(script_));
    ShowWindow(ui::Application::instance().handle(), SW_HIDE);
    static std::function<void()> during;
    during = [&] {
        HWND dialog = FindWindowA("TDlgOption", nullptr);
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(form->TskMenu().item(ItemOption).enabled);
        HWND texture = FindDescendant(dialog, "EDIT");  // the active page's texture box
        SetWindowTextA(texture, notBitmap.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };
    // Surface Texture for the active group, through the dialog's own radio button.
    SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        HWND dialog = FindWindowA("TDlgOption", nullptr);
        // The active page's radio item "テクスチャ" comes before the group box of that name.
        if (HWND item = FindDescendant(dialog, "BUTTON", "\x83\x65\x83\x4e\x83\x58\x83\x60\x83\x83"))
            SendMessageA(item, BM_CLICK, 0, 0);
        auto run = std::move(during);
        if (run)
            run();
    });
    try {
        form->ItemOptionClick();
        ADD_FAILURE() << "no error for a file that is no bitmap";
    } catch (const UserError& error) {
        EXPECT_EQ(std::string(error.what()), texts::InvalidBitmap);
    }
    EXPECT_TRUE(form->TskMenu().item(ItemOption).enabled);
    EXPECT_EQ(FindWindowA("TDlgOption", nullptr), nullptr);
    CaptionSettings& settings = form->Look().options.caption;
    EXPECT_EQ(settings.Active.Texture, notBitmap) << "the settings were replaced before the error";
    settings.Active.Surface = SurfaceKind::Gradation;  // so that the shut-down does not meet it again
    form.reset();
    DeleteFileA(notBitmap.c_str());
    DeleteFileA(ini.c_str());
}

TEST_F(OptionDialogTest, AComposedFramesChoiceIsPreviewedAndStartWithWindowsIsNot)
{
    TDlgOption dialog(nullptr, ScriptedPickers(script_));
    const ui::Font normal, tool;  // the main form of the test before has taken the program's own
    dialog.Fill(Distinct(), normal, tool);
    std::vector<ComposedFrames> previewed;
    dialog.onChoice = [&] { previewed.push_back(dialog.Candidate().settings.Common.Composed); };
    ShowModalWhile(dialog, [&] {
        SendMessageA(dialog.control("GrpComposed.1"), BM_CLICK, 0, 0);
        SendMessageA(dialog.control("ChkBoxStartWithWindows"), BM_CLICK, 0, 0);
        dialog.CancelBtnClick();
    });
    EXPECT_EQ(previewed, std::vector<ComposedFrames>{ComposedFrames::Classic});
}

TEST_F(OptionDialogTest, StartWithWindowsIsWrittenAndRemovedOnOkOnly)
{
    // The main form, with an options file beside the program so that no notice shows.
    const std::wstring program = ui::ProgramFilePath();
    const std::wstring ini = program.substr(0, program.find_last_of(L'.')) + L".ini";
    WritePrivateProfileStringW(L"Active", L"Surface", L"Gradation", ini.c_str());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, RunKey, L"LumeLume");  // left by a run that failed
    auto form = std::make_unique<TFrmMain>(Mends{}, ScriptedPickers(script_));
    // Ticks the box or not, then OK or CANCEL; gives whether the box was ticked as the dialog opened.
    auto answer = [&](bool tick, UINT button) {
        static struct { bool tick, shownTicked; UINT button; } script;
        script = {tick, false, button};
        SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR timer, DWORD) {
            KillTimer(nullptr, timer);
            HWND dialog = FindWindowA("TDlgOption", nullptr);
            HWND box = FindDescendant(dialog, "BUTTON",  // "Windows の起動時に実行する"
                                      "Windows \x82\xcc\x8b\x4e\x93\xae\x8e\x9e"
                                      "\x82\xc9\x8e\xc0\x8d\x73\x82\xb7\x82\xe9");
            script.shownTicked = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
            SendMessageA(box, BM_SETCHECK, script.tick ? BST_CHECKED : BST_UNCHECKED, 0);
            PostMessageA(dialog, WM_COMMAND, script.button, 0);
        });
        form->ItemOptionClick();
        return script.shownTicked;
    };
    answer(true, IDCANCEL);
    EXPECT_FALSE(StartsWithWindows()) << "CANCEL writes nothing";
    EXPECT_FALSE(answer(true, IDOK));
    wchar_t command[MAX_PATH + 2] = {};
    DWORD bytes = sizeof command;
    RegGetValueW(HKEY_CURRENT_USER, RunKey, L"LumeLume", RRF_RT_REG_SZ, nullptr, command, &bytes);
    EXPECT_EQ(command, L"\"" + program + L"\"");
    EXPECT_TRUE(answer(false, IDOK)) << "the box shows what the registry holds";
    EXPECT_FALSE(StartsWithWindows());
    form.reset();
    RegDeleteKeyValueW(HKEY_CURRENT_USER, RunKey, L"LumeLume");
    DeleteFileW(ini.c_str());
}

} // namespace
