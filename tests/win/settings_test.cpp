// The options file through the real profile API under Wine, in scratch folders.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <future>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/user_error.h"
#include "resources/texts.h"
#include "settings/settings.h"
#include "ui/wide_text.h"
#include "tests/win/win_test_support.h"

namespace {

using namespace lume;
using namespace lume::test;

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The non-blank lines of an INI file.
std::vector<std::string> Lines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

// A folder of its own for each test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder()
    {
        static int serial;
        path_ = TempFile("lume_settings_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++serial));
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder()
    {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string name = found.cFileName;
                if (name != "." && name != "..")
                    DeleteFileA((path_ + "\\" + name).c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path_.c_str());
    }
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// What a message box showed, read from another thread, which then presses OK.
struct ShownBox {
    bool appeared = false;
    std::string caption;
    std::string text;
};

std::future<ShownBox> AnswerMessageBox(const char* caption, int timeoutMs = 10000)
{
    return std::async(std::launch::async, [caption, timeoutMs] {
        ShownBox shown;
        HWND box = nullptr;
        shown.appeared = WaitFor([&] { return (box = FindWindowA("#32770", caption)) != nullptr; }, timeoutMs);
        if (shown.appeared) {
            char text[2048] = {};
            GetWindowTextA(box, text, sizeof text);
            shown.caption = text;
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's static text
            shown.text = text;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        return shown;
    });
}

// Makes a file immutable for the test's duration: the tests run as root,
// who writes through a read-only attribute.
class ImmutableFile {
public:
    explicit ImmutableFile(const std::string& path) : unixPath_(UnixPath(path)) { ok_ = Chattr("+i"); }
    ~ImmutableFile() { Chattr("-i"); }
    bool ok() const { return ok_; }

private:
    static std::string UnixPath(const std::string& path)
    {
        using ToUnix = char*(CDECL*)(const WCHAR*);
        auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
        if (!toUnix)
            return {};
        std::wstring wide(path.begin(), path.end());
        char* unixName = toUnix(wide.c_str());
        std::string result = unixName ? unixName : "";
        HeapFree(GetProcessHeap(), 0, unixName);
        return result;
    }
    bool Chattr(const char* flag)
    {
        if (unixPath_.empty())
            return false;
        std::string done = unixPath_ + ".chattr-done";
        std::string command = "Z:\\bin\\sh -c \"rm -f '" + done + "'; chattr " + flag + " '" + unixPath_ +
                              "' && touch '" + done + "'\"";
        ChildProcess shell(command);
        std::string doneWindows = "Z:" + done;
        for (char& c : doneWindows)
            if (c == '/')
                c = '\\';
        bool finished = WaitFor([&] { return GetFileAttributesA(doneWindows.c_str()) != INVALID_FILE_ATTRIBUTES; });
        DeleteFileA(doneWindows.c_str());
        return finished;
    }

    std::string unixPath_;
    bool ok_ = false;
};

class SettingsTest : public ::testing::Test {
protected:
    ScratchFolder folder_;
    ProgramOptions options_;
};

TEST_F(SettingsTest, NoFileShowsTheNoticeThenDefaultsAndAFirstSaveWritesTheTable)
{
    std::string path = folder_.file("LumeLume.ini");
    auto box = AnswerMessageBox(texts::ProgramCaption);
    LoadOptionsFrom(path, options_);
    ShownBox shown = box.get();
    ASSERT_TRUE(shown.appeared);
    EXPECT_EQ(shown.caption, texts::ProgramCaption);
    EXPECT_EQ(shown.text, texts::FirstRunNotice);
    EXPECT_FALSE(FileExists(path)) << "loading never creates the file";

    EXPECT_EQ(options_.caption.Active.Surface, SurfaceKind::Texture);
    EXPECT_EQ(options_.caption.Inactive.Surface, SurfaceKind::Gradation);
    EXPECT_EQ(options_.caption.Active.Texture, "");
    EXPECT_EQ(options_.caption.Inactive.Right, 0x00C0C0C0u);
    EXPECT_EQ(options_.normalFont.face(), texts::DefaultCaptionFace);
    EXPECT_EQ(options_.normalFont.size(), 11);
    EXPECT_EQ(options_.toolFont.size(), 9);

    SaveOptionsTo(path, options_);
    std::string face = texts::DefaultCaptionFace;
    std::vector<std::string> expected{
        "[Active]", "Surface=Texture", "Letter=00FFFFFF", "Shadow=00000000", "Left=00800000", "Right=00000080",
        "LED=00000080", "Texture=", "[Inactive]", "Surface=Gradation", "Letter=00FFFFFF", "Shadow=00000000",
        "Left=00505050", "Right=00C0C0C0", "LED=00C0C0C0", "Texture=", "[Common]", "NormalFontName=" + face,
        "NormalFontSize=11", "NormalFontStyle=0", "NormalXShift=3", "NormalYShift=1", "ToolFontName=" + face,
        "ToolFontSize=9", "ToolFontStyle=0", "ToolXShift=2", "ToolYShift=1", "ShadowShift=2", "NoButtons=0",
        "NoCloseButton=0", "SBNoCust=0", "Composed=Tint"};
    EXPECT_EQ(Lines(ReadBytes(path)), expected);

    // A path with the "\\?\" prefix names the file: its "?" is no wildcard.
    char full[MAX_PATH] = {};
    GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    EXPECT_TRUE(FileExists(std::string("\\\\?\\") + full));
    EXPECT_FALSE(FileExists(std::string(full) + "?"));

    // With the file there, no notice.
    auto noBox = AnswerMessageBox(texts::ProgramCaption, 1000);
    LoadOptionsFrom(path, options_);
    EXPECT_FALSE(noBox.get().appeared);
}

TEST_F(SettingsTest, HandEditedFileLoadsAndSavesBack)
{
    std::string path = folder_.file("odd.ini");
    std::string forty(40, 'F');
    WriteBytes(path, "[Active]\r\nLetter=ffffff\r\nLeft=1200FF0000\r\nRight=FF000080\r\nSurface=texture\r\n"
                     "Shadow=#000080\r\n[Common]\r\nNormalFontSize=0x0C\r\nToolFontSize=12pt\r\n"
                     "NormalFontStyle=259\r\nNormalXShift=-4\r\nNoButtons=2\r\nNoCloseButton=-1\r\n"
                     "SBNoCust=yes\r\nNormalFontName=" + forty + "\r\nToolFontName=\r\n");
    options_.toolFont.setFace("Kept Face");
    LoadOptionsFrom(path, options_);
    EXPECT_EQ(options_.caption.Active.Letter, 0x00FFFFFFu);
    EXPECT_EQ(options_.caption.Active.Left, 0x000000FFu);
    EXPECT_EQ(options_.caption.Active.Surface, SurfaceKind::Gradation);
    EXPECT_EQ(options_.caption.Active.Shadow, 0u);
    EXPECT_EQ(options_.normalFont.size(), 12);
    EXPECT_EQ(options_.toolFont.size(), 9);
    EXPECT_EQ(options_.normalFont.style(), 3);
    EXPECT_EQ(options_.normalFont.face(), std::string(31, 'F'));
    EXPECT_EQ(options_.toolFont.face(), "Kept Face");
    EXPECT_TRUE(options_.caption.Common.NoButtons);
    EXPECT_TRUE(options_.caption.Common.NoCloseButton);
    EXPECT_FALSE(options_.caption.Common.SBNoCust);
    EXPECT_NE(options_.normalFont.handle(), nullptr);

    SaveOptionsTo(path, options_);
    std::vector<std::string> lines = Lines(ReadBytes(path));
    auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    for (const char* line : {"Letter=00FFFFFF", "Left=00FF0000", "Right=00000080", "Surface=Gradation",
                             "NormalFontSize=12", "ToolFontSize=9", "NormalFontStyle=3", "NormalXShift=-4",
                             "NoButtons=1", "NoCloseButton=1", "SBNoCust=0", "ToolFontName=Kept Face"})
        EXPECT_TRUE(has(line)) << line;
    EXPECT_TRUE(has("NormalFontName=" + std::string(31, 'F')));
}

TEST_F(SettingsTest, ExclusionListRoundTrip)
{
    // A file of an earlier version: nothing excluded, and saved byte for byte
    // as before, with no section of its own.
    std::string earlier = folder_.file("earlier.ini");
    WriteBytes(earlier, "");
    options_.excluded.add(u"stale.exe");
    LoadOptionsFrom(earlier, options_);
    EXPECT_TRUE(options_.excluded.empty());
    SaveOptionsTo(earlier, options_);
    std::string before = ReadBytes(earlier);
    EXPECT_EQ(before.find("[Exclude]"), std::string::npos);
    LoadOptionsFrom(earlier, options_);
    SaveOptionsTo(earlier, options_);
    EXPECT_EQ(ReadBytes(earlier), before);

    // Gaps, an empty value, a duplicate and a stray key by hand: read in number
    // order, saved after [Common] renumbered from 1, the rest of the section
    // gone; a cp932 name ("ゲーム.exe") read as itself and written back as it was.
    WriteBytes(earlier, before + "[Exclude]\r\n7=calc.exe\r\n2=notepad.exe\r\n3=\r\n4=NOTEPAD.EXE\r\n"
                                 "note=paint.exe\r\n9=\x83\x51\x81\x5b\x83\x80.exe\r\n");
    LoadOptionsFrom(earlier, options_);
    EXPECT_EQ(options_.excluded.names(), (std::vector<std::u16string>{u"notepad.exe", u"calc.exe", u"ゲーム.exe"}));
    SaveOptionsTo(earlier, options_);
    std::vector<std::string> lines = Lines(ReadBytes(earlier));
    std::vector<std::string> expected = Lines(before);
    for (const char* line : {"[Exclude]", "1=notepad.exe", "2=calc.exe", "3=\x83\x51\x81\x5b\x83\x80.exe"})
        expected.push_back(line);
    EXPECT_EQ(lines, expected);

    // Emptied: the section goes, and the file is as an earlier version wrote it.
    options_.excluded = ExclusionList();
    SaveOptionsTo(earlier, options_);
    EXPECT_EQ(Lines(ReadBytes(earlier)), Lines(before));
}

TEST_F(SettingsTest, PathsAsTheOptionsFileHoldsThem)
{
    // cp932 holds it: as it is. It does not: the short path, which names the same file.
    EXPECT_EQ(ui::Cp932Path(L"C:\\表\\a.bmp"), std::optional<std::string>("C:\\\x95\x5C\\a.bmp"));
    const std::wstring folder = ui::Widened(folder_.file("")) + L"한국어", file = folder + L"\\t.bmp";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const std::optional<std::string> kept = ui::Cp932Path(file);
    ASSERT_TRUE(kept);
    EXPECT_TRUE(FileExists(*kept)) << *kept;
    EXPECT_EQ(kept->find('?'), std::string::npos) << *kept;
    EXPECT_FALSE(ui::Cp932Path(folder + L"\\none.bmp")) << "no file, no short path: refused";
    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(SettingsTest, ReadOnlyFileRaisesTheErrorAndStaysAsItWas)
{
    std::string path = folder_.file("locked.ini");
    WriteBytes(path, "[Active]\r\nLetter=00123456\r\n");
    const std::string before = ReadBytes(path);
    LoadOptionsFrom(path, options_);
    options_.caption.Common.ShadowShift = 7;
    const CaptionSettings record = options_.caption;
    {
        ImmutableFile locked(path);
        ASSERT_TRUE(locked.ok());
        try {
            SaveOptionsTo(path, options_);
            ADD_FAILURE() << "the save did not fail";
        } catch (const UserError& error) {
            EXPECT_EQ(std::string(error.what()), path + " \x82\xc9\x8f\x91\x82\xab\x8d\x9e\x82\xdf\x82\xdc\x82\xb9\x82\xf1");
        }
    }
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(options_.caption, record);
}

TEST_F(SettingsTest, AnyFileContentLoadsWithFallbacks)
{
    std::mt19937 random(7);
    std::string garbage(50 * 1024 * 1024, '\0');  // 50 MB of random bytes
    for (char& c : garbage)
        c = static_cast<char>(random());
    std::string longLine = "[Common]\r\nNormalXShift=" + std::string(10 * 1024 * 1024, '7') + "\r\n";
    std::string duplicates = "[Active]\r\nLetter=000000FF\r\nLetter=0000FF00\r\n[Active]\r\nLetter=00FF0000\r\n";
    std::string noSections = "Letter=000000FF\r\nShadowShift=9\r\n";
    std::string path = folder_.file("bad.ini");
    for (const std::string& content : {garbage, longLine, duplicates, noSections}) {
        WriteBytes(path, content);
        options_.caption = CaptionSettings{};
        options_.caption.Common.NormalXShift = 12345;
        LoadOptionsFrom(path, options_);
        EXPECT_NE(options_.caption.Common.NormalXShift, 12345);  // every field is set
        EXPECT_EQ(ReadBytes(path), content) << "loading never writes";
    }
    EXPECT_EQ(options_.caption.Common.ShadowShift, 2);
    WriteBytes(path, longLine);
    LoadOptionsFrom(path, options_);
    EXPECT_EQ(options_.caption.Common.NormalXShift, 3);  // cut to 1023 digits: out of range, the default
    WriteBytes(path, duplicates);
    LoadOptionsFrom(path, options_);
    EXPECT_TRUE(options_.caption.Active.Letter == 0x00FF0000u || options_.caption.Active.Letter == 0x0000FF00u ||
                options_.caption.Active.Letter == 0x000000FFu);
}

} // namespace
