// The painter for real under Wine: captions of another process's windows
// painted through GDI and read back from the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "core/user_error.h"
#include "hooklib/hook_protocol.h"
#include "hooklib/lumehook.h"
#include "look/look_source.h"
#include "look/look_publisher.h"
#include "look/bitmap_file.h"
#include "compose/caption_composition.h"
#include "fallback/caption_dc.h"
#include "compose/caption_drawing.h"
#include "fallback/composition_bitmap.h"
#include "fallback/outside_painter.h"
#include "look/program_look.h"
#include "look/surfaces.h"
#include "resources/texts.h"
#include "settings/options_io.h"
#include "settings/settings.h"
#include "tests/common/bmp_writer.h"
#include "tests/win/screen_capture.h"
#include "tests/win/test_settings.h"
#include "tests/win/win_test_support.h"

namespace {

using namespace lume;
using namespace lume::test;
using lume::test::PutLittleEndian;

constexpr Color Red = RgbColor(255, 0, 0);
constexpr Color Green = RgbColor(0, 255, 0);

bool Inside(const Rect& rect, int x, int y) { return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom; }

bool InAnyButton(const CaptionLayout& layout, int x, int y)
{
    return Inside(layout.CloseButtonRect, x, y) || Inside(layout.MaxButtonRect, x, y) ||
           Inside(layout.MinButtonRect, x, y);
}

// The pixels the lines colour, later lines over earlier ones.
std::map<std::pair<int, int>, Color> Rasterize(const std::vector<LineSegment>& lines)
{
    std::map<std::pair<int, int>, Color> pixels;
    for (const LineSegment& line : lines) {
        int dx = (line.to.x > line.from.x) - (line.to.x < line.from.x);
        int dy = (line.to.y > line.from.y) - (line.to.y < line.from.y);
        for (Point p = line.from; !(p == line.to); p = {p.x + dx, p.y + dy})
            pixels[{p.x, p.y}] = line.color;
    }
    return pixels;
}

// The program's look, its metrics and the painter from outside, for one test suite.
struct PainterWorld {
    ProgramLook look;
    FrameMetrics metrics;
    OutsidePainter painter{nullptr, Mends{}, metrics, [this] { return look.shown(); }, [] {}};
};

class PainterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        world_ = std::make_unique<PainterWorld>();
        world_->look.setSubstitute(LoadBitmapA(GetModuleHandleA(nullptr), "SUBSTITUTE"));
        world_->metrics.update();
    }
    static void TearDownTestSuite() { world_.reset(); }

    void SetUp() override
    {
        SetCursorPos(1010, 740);
        LoadDefaultSettings(settings_, world_->look.options.normalFont, world_->look.options.toolFont);
        buildSurfaces();
    }

    void buildSurfaces() { world_->look.buildSurfaces(); }
    const CaptionSurfaces& surfaces() const { return world_->look.surfaces(); }
    void paint(HWND window, bool fullRepaint) { world_->painter.paint(window, fullRepaint); }
    CaptionLayout layoutOf(HWND window) { return world_->painter.layoutOf(window); }
    LookSource lookSource() const { return LookSourceOf(world_->look.shown(), world_->metrics.system()); }

    static inline std::unique_ptr<PainterWorld> world_;
    CaptionSettings& settings_ = world_->look.options.caption;

    // A sample window of its own process; the title empty unless given.
    HWND StartSample(const std::string& title, const std::string& extra = "", int x = 100, int y = 100)
    {
        samples_.push_back(std::make_unique<ChildProcess>("\"" + SampleWindowsExe() + "\" --one " + title + " " +
                                                          std::to_string(x) + " " + std::to_string(y) +
                                                          " 400 300 " + extra));
        // A process start under a busy Wine server may take a while.
        HWND window = WaitForWindow(nullptr, title.c_str(), 30000);
        EXPECT_NE(window, nullptr) << title;
        return window;
    }

    // Makes both looks the same, so that whether the sample is active does not matter.
    void BothLooks(SurfaceKind surface)
    {
        settings_.Active.Surface = settings_.Inactive.Surface = surface;
        settings_.Active.Left = settings_.Inactive.Left = RgbColor(0, 0, 0);
        settings_.Active.Right = settings_.Inactive.Right = RgbColor(255, 255, 255);
        settings_.Active.Letter = settings_.Inactive.Letter = Red;
        settings_.Active.Shadow = settings_.Inactive.Shadow = Green;
        buildSurfaces();
    }

    std::vector<std::unique_ptr<ChildProcess>> samples_;
};

TEST_F(PainterTest, WorkedExampleEdgesAndGrooves)
{
    HWND window = StartSample("EdgeSample");
    CaptureSettled(window);
    const CaptionLayout layout = layoutOf(window);
    ASSERT_EQ(layout.WindowBox, (Rect{0, 0, 399, 299}));
    ASSERT_EQ(layout.CaptionRect.right, 400 - layout.FrameX);
    paint(window, true);
    Capture painted = CaptureWindow(window);

    const EdgeLines edges = CaptionEdgeLines(layout.CaptionRect);
    std::vector<LineSegment> lines(edges.begin(), edges.end());
    for (const LineSegment& groove :
         SizingGrooveLines(layout.CaptionRect.bottom, layout.WindowBox, layout.FrameX, layout.FrameY))
        lines.push_back(groove);
    const auto expected = Rasterize(lines);
    EXPECT_GT(expected.size(), 60u);
    for (const auto& [point, color] : expected)
        EXPECT_EQ(painted.at(point.first, point.second), color) << point.first << "," << point.second;
}

TEST_F(PainterTest, GradientColumnsStretchedOverTheCaption)
{
    BothLooks(SurfaceKind::Gradation);
    HWND window = StartSample("GradientSample");
    SetWindowTextA(window, "");
    CaptureSettled(window);
    const CaptionLayout layout = layoutOf(window);
    paint(window, true);
    Capture painted = CaptureWindow(window);

    const Rect& caption = layout.CaptionRect;
    const Color black = RgbColor(0, 0, 0), white = RgbColor(255, 255, 255);
    const int y = caption.top + 1;
    EXPECT_EQ(painted.at(caption.left, y), GradientColumn(black, white, 0));
    EXPECT_EQ(painted.at(caption.right - 1, caption.bottom - 1), GradientColumn(black, white, 255));
    for (int x = caption.left; x < caption.right; ++x) {
        if (InAnyButton(layout, x, y))
            continue;
        // The nearest source column, give or take the rounding of the stretch.
        int column = (2 * (x - caption.left) + 1) * GradientWidth / (2 * caption.width());
        Color seen = painted.at(x, y);
        bool close = false;
        for (int c = std::max(0, column - 1); c <= std::min(255, column + 1); ++c)
            close = close || seen == GradientColumn(black, white, c);
        EXPECT_TRUE(close) << "x " << x << " column " << column << " colour " << std::hex << seen;
    }
}

TEST_F(PainterTest, TextureTilesRepeatFromTheCaptionsLeft)
{
    BothLooks(SurfaceKind::Texture);  // no file: the substitute stripes
    HWND window = StartSample("TextureSample");
    SetWindowTextA(window, "");
    CaptureSettled(window);
    const CaptionLayout layout = layoutOf(window);
    paint(window, true);
    Capture painted = CaptureWindow(window);
    const Rect& caption = layout.CaptionRect;
    int checked = 0;
    for (int y = caption.top; y < caption.bottom; ++y)
        for (int x = caption.left; x < caption.right; ++x)
            if (!InAnyButton(layout, x, y)) {
                ASSERT_EQ(painted.at(x, y), SubstituteTexturePixel(x - caption.left, y - caption.top)) << x << "," << y;
                ++checked;
            }
    EXPECT_GT(checked, 5000);
}

TEST_F(PainterTest, DefaultSurfaceKeepsTheSystemBackgroundAndTextStaysInItsClip)
{
    BothLooks(SurfaceKind::Default);
    settings_.Common.ShadowShift = 2;
    HWND window = StartSample("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    Capture system = CaptureSettled(window);
    const CaptionLayout layout = layoutOf(window);
    paint(window, true);
    Capture painted = CaptureWindow(window);

    const Rect clip = CaptionTextClip(layout);
    int letters = 0, shadow = 0, systemBackground = 0;
    for (int y = layout.CaptionRect.top; y < clip.bottom; ++y)
        for (int x = layout.CaptionRect.left; x < layout.CaptionRect.right; ++x) {
            Color seen = painted.at(x, y);
            if (x >= clip.right) {
                EXPECT_NE(seen, Red) << x << "," << y;
                EXPECT_NE(seen, Green) << x << "," << y;
                continue;
            }
            letters += seen == Red;
            shadow += seen == Green;
            systemBackground += seen == system.at(x, y);
        }
    EXPECT_GT(letters, 100);
    EXPECT_GT(shadow, 20);
    EXPECT_GT(systemBackground, 100) << "the system's background shows between the letters";
    // Right of the clip, up to the buttons, the caption is as the system drew it.
    for (int x = clip.right; x < layout.ButtonAreaX; ++x)
        EXPECT_EQ(painted.at(x, layout.CaptionRect.top + 1), system.at(x, layout.CaptionRect.top + 1)) << x;
}

TEST_F(PainterTest, ButtonStripRepaintLeavesTheRestOfTheCaption)
{
    BothLooks(SurfaceKind::Gradation);
    HWND window = StartSample("StripSample");
    Capture system = CaptureSettled(window);
    const CaptionLayout layout = layoutOf(window);
    paint(window, false);
    Capture painted = CaptureWindow(window);
    const Rect& caption = layout.CaptionRect;
    for (int y = caption.top; y < caption.bottom; ++y)
        for (int x = caption.left; x < layout.ButtonAreaX - 2; ++x)
            ASSERT_EQ(painted.at(x, y), system.at(x, y)) << x << "," << y;
    // The strip itself is painted, the edge in full.
    EXPECT_NE(painted.at(layout.ButtonAreaX - 1, caption.top), system.at(layout.ButtonAreaX - 1, caption.top));
    EXPECT_EQ(painted.at(caption.left, caption.top - 1), EdgeGrey);
    EXPECT_EQ(painted.at(caption.left + 1, caption.bottom), EdgeWhite);
}

TEST_F(PainterTest, ProtectedButtonsUntouchedOthersPaintedOver)
{
    BothLooks(SurfaceKind::Texture);
    HWND window = StartSample("ButtonSample");
    Capture system = CaptureSettled(window);
    auto buttonChanged = [&](const Capture& painted, const Rect& button) {
        int changed = 0;
        for (int y = button.top; y < button.bottom; ++y)
            for (int x = button.left; x < button.right; ++x)
                changed += painted.at(x, y) != system.at(x, y);
        return changed;
    };
    CaptionLayout layout = layoutOf(window);
    paint(window, true);
    Capture painted = CaptureWindow(window);
    EXPECT_EQ(buttonChanged(painted, layout.CloseButtonRect), 0);
    EXPECT_EQ(buttonChanged(painted, layout.MaxButtonRect), 0);
    EXPECT_EQ(buttonChanged(painted, layout.MinButtonRect), 0);

    settings_.Common.NoButtons = true;
    paint(window, true);
    painted = CaptureWindow(window);
    EXPECT_EQ(buttonChanged(painted, layout.CloseButtonRect), 0);
    EXPECT_GT(buttonChanged(painted, layout.MaxButtonRect), 100);
    EXPECT_GT(buttonChanged(painted, layout.MinButtonRect), 100);

    settings_.Common.NoCloseButton = true;
    paint(window, true);
    painted = CaptureWindow(window);
    EXPECT_GT(buttonChanged(painted, layout.CloseButtonRect), 100);
}

TEST_F(PainterTest, AWindowMovedBeforeItsPaintGetsItsCaptionAndNothingElse)
{
    // The window moves between its layout and the DC its caption is put on, as
    // one dragged every few milliseconds does; all the DC allows is filled.
    HWND window = StartSample("MovedSample");
    const CaptionLayout layout = layoutOf(window);
    SetWindowPos(window, nullptr, 63, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const Capture system = CaptureSettled(window);
    {
        ui::WindowDc dc = CaptionDc(window, layout, true, true, true);
        ASSERT_TRUE(dc);
        ui::GdiObject<HBRUSH> magenta(CreateSolidBrush(RGB(255, 0, 255)));
        const RECT all{0, 0, 400, 300};
        FillRect(dc.get(), &all, magenta.get());
    }
    const Capture painted = CaptureWindow(window);
    const PaintedRects area = PaintedArea(layout, true);
    int missed = 0, buttons = 0, outside = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) {
            const bool inArea = std::any_of(area.begin(), area.end(), [&](const Rect& r) { return Inside(r, x, y); });
            if (inArea && !InAnyButton(layout, x, y))
                missed += painted.at(x, y) != RGB(255, 0, 255);
            else if (painted.at(x, y) != system.at(x, y))
                ++(InAnyButton(layout, x, y) ? buttons : outside);
        }
    EXPECT_EQ(missed, 0) << "caption pixels left unpainted";
    EXPECT_EQ(buttons, 0) << "button pixels painted";
    EXPECT_EQ(outside, 0) << "pixels outside the caption and grooves painted";
}

TEST_F(PainterTest, SystemCloseBoxesKeepEveryPixelAtTheDesktopsDpi)
{
    // Run at 96 dpi and, by a second test entry, at 144 (LUME_DPI). The close
    // box is found in the system's own look: at the caption's right end, the
    // first run of columns whose pixels differ from the caption's top row.
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), std::getenv("LUME_DPI") ? std::atoi(std::getenv("LUME_DPI")) : 96);
    ReleaseDC(nullptr, screen);
    BothLooks(SurfaceKind::Texture);
    struct Kind {
        const char* title;
        const char* extra;
        int frame, captionHeight;
    };
    const Kind kinds[] = {
        {"DpiSizable", "", GetSystemMetrics(SM_CYFRAME), GetSystemMetrics(SM_CYCAPTION)},
        {"DpiTool", "--exstyle 80", GetSystemMetrics(SM_CYFRAME), GetSystemMetrics(SM_CYSMCAPTION)},
    };
    for (const Kind& kind : kinds) {
        HWND window = StartSample(kind.title, kind.extra);
        const Capture system = CaptureSettled(window);
        const int top = kind.frame, bottom = kind.frame + kind.captionHeight - 1, right = 400 - kind.frame;
        auto marked = [&](int x) {
            for (int y = top; y < bottom; ++y)
                if (system.at(x, y) != system.at(x, top))
                    return true;
            return false;
        };
        int boxRight = right - 1;
        while (boxRight > 200 && !marked(boxRight))
            --boxRight;
        int boxLeft = boxRight;
        while (boxLeft > 200 && marked(boxLeft - 1))
            --boxLeft;
        paint(window, true);
        const Capture painted = CaptureWindow(window);
        int changed = 0, box = 0;
        for (int x = boxLeft; x <= boxRight; ++x)
            for (int y = top; y < bottom; ++y)
                if (system.at(x, y) != system.at(x, top)) {
                    ++box;
                    changed += painted.at(x, y) != system.at(x, y);
                }
        EXPECT_GT(box, 50) << kind.title << ": no close box found";
        EXPECT_EQ(changed, 0) << kind.title << ": pixels of the close box at " << boxLeft << ".." << boxRight
                              << " painted over";
    }
}

TEST_F(PainterTest, TtyClassIsNeverPainted)
{
    BothLooks(SurfaceKind::Texture);
    // Class names are atoms, compared without case and kept as first
    // registered: each sample ends before the next registers its class.
    for (const char* className : {"TTY", "ttyx", "tty"}) {
        HWND window = StartSample(std::string("Class_") + className, std::string("--class ") + className);
        Capture system = CaptureSettled(window);
        paint(window, true);
        Capture painted = CaptureWindow(window);
        EXPECT_EQ(painted == system, std::string(className) == "tty") << className;
        samples_.clear();
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(window); }));
    }
}

TEST_F(PainterTest, HiddenWindowIsNotTouched)
{
    BothLooks(SurfaceKind::Texture);
    HWND window = StartSample("HiddenSample");
    CaptureSettled(window);
    ShowWindow(window, SW_HIDE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(window); }));
    RECT area;
    GetWindowRect(window, &area);
    Capture before = CaptureScreenSettled(area);
    paint(window, true);
    EXPECT_TRUE(CaptureScreen(area) == before);
}

// A window of this thread hides itself when the painter reads its title,
// which it does after taking the window's DC and before the blit.
LRESULT CALLBACK HidesWhenAskedForItsTitle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETTEXT && IsWindowVisible(window))
        ShowWindow(window, SW_HIDE);
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(PainterTest, WindowHiddenBetweenTheStartOfAPaintAndItsBlitGetsNoPixels)
{
    BothLooks(SurfaceKind::Texture);
    WNDCLASSA shy{};
    shy.lpfnWndProc = HidesWhenAskedForItsTitle;
    shy.hInstance = GetModuleHandleA(nullptr);
    shy.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    shy.lpszClassName = "LumeShySample";
    RegisterClassA(&shy);
    const RECT area{500, 400, 900, 700};
    Capture before = CaptureScreenSettled(area);
    HWND window = CreateWindowExA(0, shy.lpszClassName, "Shy", WS_OVERLAPPEDWINDOW, area.left, area.top,
                                  area.right - area.left, area.bottom - area.top, nullptr, nullptr, shy.hInstance,
                                  nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    PumpUntilQuiet();
    paint(window, true);
    EXPECT_FALSE(IsWindowVisible(window)) << "the painter did not read the title";
    PumpUntilQuiet();
    EXPECT_TRUE(CaptureScreenSettled(area) == before);
    DestroyWindow(window);
}

TEST_F(PainterTest, LongTitleDrawsItsFirst256Bytes)
{
    BothLooks(SurfaceKind::Gradation);
    settings_.Common.NoCloseButton = true;  // text clip as wide as the caption
    HWND window = StartSample("LongTitleSample");
    std::string cp932;
    for (int i = 0; i < 5000; ++i)
        cp932 += "\x82\xa0";  // "あ", 10 KB in all
    SetWindowTextA(window, cp932.c_str());
    CaptureSettled(window);
    paint(window, true);
    Capture whole = CaptureWindow(window);
    SetWindowTextA(window, cp932.substr(0, 256).c_str());
    CaptureSettled(window);
    paint(window, true);
    Capture first256 = CaptureWindow(window);
    const CaptionLayout layout = layoutOf(window);
    for (int y = layout.CaptionRect.top; y < layout.CaptionRect.bottom; ++y)
        for (int x = layout.CaptionRect.left; x < layout.CaptionRect.right; ++x)
            ASSERT_EQ(whole.at(x, y), first256.at(x, y)) << x << "," << y;
}

TEST_F(PainterTest, SampleSetScreenshot)
{
    // Active: the stripes; inactive: the grey gradient; the tool window: the system's own.
    samples_.push_back(std::make_unique<ChildProcess>("\"" + SampleWindowsExe() + "\""));
    HWND sizable = WaitForWindow(nullptr, "Sizable window");
    ASSERT_NE(sizable, nullptr);
    ASSERT_NE(WaitForWindow(nullptr, "MDI frame"), nullptr);
    SetForegroundWindow(sizable);
    for (const char* title : {"Sizable window", "Dialog frame", "MDI frame"}) {
        HWND window = FindWindowA(nullptr, title);
        CaptureSettled(window);
        paint(window, true);
    }
    settings_.Inactive.Surface = SurfaceKind::Default;
    HWND tool = FindWindowA(nullptr, "Tool window");
    CaptureSettled(tool);
    paint(tool, true);
    SaveScreenBmp({0, 0, 1024, 768}, ProgramFolder() + "painted_samples.bmp");
}

class TextureFileTest : public PainterTest {
protected:
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        std::string path = TempFile("lume_texture_" + name);
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        written_.push_back(path);
        return path;
    }
    std::string ErrorOf(const std::string& path)
    {
        try {
            ReadBitmapFile(path);
        } catch (const UserError& error) {
            return error.what();
        }
        return "";
    }
    void TearDown() override
    {
        for (const std::string& path : written_)
            DeleteFileA(path.c_str());
    }
    std::vector<std::string> written_;
};

TEST_F(TextureFileTest, AcceptedFilesLoadWithTheirSizeAndColours)
{
    auto pattern24 = [](int x, int y) { return static_cast<uint32_t>((x * 7) << 16 | (y * 9) << 8 | 0x40); };
    auto pattern8 = [](int x, int y) { return static_cast<uint32_t>((x + y) * 5); };
    for (uint32_t header : {12u, 40u}) {
        for (uint16_t bits : {8, 24}) {
            std::string path = Write("ok" + std::to_string(header) + "_" + std::to_string(bits) + ".bmp",
                                     MakeBmp(header, 37, 23, bits, 0, bits == 24 ? pattern24 : pattern8));
            SurfaceBitmap bitmap = ReadBitmapFile(path);
            ASSERT_EQ(bitmap.width, 37) << header << "/" << bits;
            ASSERT_EQ(bitmap.height, 23);
            GdiFlush();
            uint32_t pixel = bitmap.pixels[5 * 37 + 11];  // (11, 5), 0x00RRGGBB
            if (bits == 24) {
                EXPECT_EQ(pixel, pattern24(11, 5));
            } else {
                uint32_t grey = pattern8(11, 5) * 255 / 255;
                EXPECT_EQ(pixel, grey << 16 | grey << 8 | grey);
            }
        }
    }
    EXPECT_EQ(ReadBitmapFile(Write("empty.bmp", {})).width, 0);
}

TEST_F(TextureFileTest, FailuresGiveTheirMessagesKeepTheOldBitmapAndStopTheBuild)
{
    auto cut = MakeBmp(40, 40, 40, 24);
    cut.resize(cut.size() / 2);
    auto ba = MakeBmp(40, 8, 8, 24);
    ba[1] = 'A';
    EXPECT_EQ(ErrorOf(Write("cut.bmp", cut)), texts::StreamReadError);
    EXPECT_EQ(ErrorOf(Write("ba.bmp", ba)), texts::InvalidBitmap);
    EXPECT_EQ(ErrorOf(Write("v4.bmp", MakeBmp(108, 8, 8, 24))), texts::InvalidBitmap);
    std::string locked = Write("locked.bmp", MakeBmp(40, 8, 8, 24));
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    std::string cannotOpen = texts::CannotOpenFileFormat;
    cannotOpen.replace(cannotOpen.find("%s"), 2, locked);
    EXPECT_EQ(ErrorOf(locked), cannotOpen);
    CloseHandle(holder);

    // Both groups load a 10 x 10 file; then the active one fails.
    settings_.Active.Surface = settings_.Inactive.Surface = SurfaceKind::Texture;
    settings_.Active.Texture = settings_.Inactive.Texture = Write("ten.bmp", MakeBmp(40, 10, 10, 24));
    buildSurfaces();
    ASSERT_EQ(surfaces().ActiveTexture.width, 10);
    settings_.Active.Texture = Write("bad.bmp", ba);
    settings_.Inactive.Texture = Write("twenty.bmp", MakeBmp(40, 20, 20, 24));
    EXPECT_THROW(buildSurfaces(), UserError);
    EXPECT_EQ(surfaces().ActiveTexture.width, 10) << "the failed bitmap keeps its contents";
    EXPECT_EQ(surfaces().InactiveTexture.width, 10) << "the build stopped at the active group";
    // Dimensions claiming gigabytes: invalid, nothing allocated; the old bitmap stays.
    auto huge = MakeBmp(40, 8, 8, 24);
    PutLittleEndian(huge, 18, 100000, 4);
    PutLittleEndian(huge, 22, 100000, 4);
    EXPECT_EQ(ErrorOf(Write("huge.bmp", huge)), texts::InvalidBitmap);
    // A folder where the file should be counts as no file: the stripes.
    std::string folder = TempFile("lume_texture_folder.bmp");
    CreateDirectoryA(folder.c_str(), nullptr);
    settings_.Active.Texture = folder;
    settings_.Inactive.Texture = Write("zero.bmp", {});
    buildSurfaces();
    EXPECT_EQ(surfaces().ActiveTexture.width, 32);
    EXPECT_EQ(surfaces().InactiveTexture.width, 0) << "a file of zero bytes: an empty bitmap";
    RemoveDirectoryA(folder.c_str());
    settings_.Inactive.Texture = Write("twenty.bmp", MakeBmp(40, 20, 20, 24));
    // A missing file, and a pattern that files match but that names none: the stripes.
    for (const char* missing : {"lume_no_such_texture.bmp", "lume_texture_*.bmp", "lume_texture_twent?.bmp"}) {
        settings_.Active.Texture = TempFile(missing);
        buildSurfaces();
        EXPECT_EQ(surfaces().ActiveTexture.width, 32) << missing;
        EXPECT_EQ(surfaces().InactiveTexture.width, 20);
    }
    // A deeper bitmap's colour table: read with the headers, so it must be in
    // the file, and never longer than 256 entries.
    auto tableMissing = MakeBmp(40, 2, 2, 24);
    PutLittleEndian(tableMissing, 46, 256, 4);
    EXPECT_EQ(ErrorOf(Write("table_missing.bmp", tableMissing)), texts::StreamReadError);
    PutLittleEndian(tableMissing, 46, 100000, 4);
    EXPECT_EQ(ErrorOf(Write("table_huge.bmp", tableMissing)), texts::InvalidBitmap);
}

TEST(CompositionBitmap, AMemoryDcThatCouldNotBeMadeIsTriedAgainAtTheNextPaint)
{
    // Every GDI handle of the process taken but one: the bitmap gets it, its DC none.
    std::vector<HRGN> hoard;
    while (HRGN region = CreateRectRgn(0, 0, 1, 1))
        hoard.push_back(region);
    ASSERT_FALSE(hoard.empty());
    DeleteObject(hoard.back());
    hoard.pop_back();
    CompositionBitmap composition;
    EXPECT_EQ(composition.prepare(100, 20), nullptr);
    for (HRGN region : hoard)
        DeleteObject(region);
    EXPECT_NE(composition.prepare(100, 20), nullptr);
}

} // namespace

// The one painter: a caption the hook composes in the window's own thread is,
// pixel for pixel, what the program paints from outside, for the five kinds
// of frame, both looks and a title beyond any code page; and it never waits
// on another thread.
TEST_F(PainterTest, TheWindowsOwnThreadPaintsWhatThePainterPaints)
{
    WNDCLASSW plain{};
    plain.lpfnWndProc = DefWindowProcW;
    plain.hInstance = GetModuleHandleW(nullptr);
    plain.lpszClassName = L"OnePainter";
    RegisterClassW(&plain);
    struct Kind {
        DWORD style;
        DWORD exStyle;
    };
    const Kind kinds[] = {{WS_OVERLAPPEDWINDOW, 0},
                          {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME, 0},
                          {WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW},
                          {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP | WS_EX_DLGMODALFRAME},
                          {WS_POPUP | WS_BORDER | WS_SYSMENU, 0}};
    HWND receiver = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    HANDLE record = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 8, HookShareName);
    auto* share = static_cast<HookShare*>(MapViewOfFile(record, FILE_MAP_WRITE, 0, 0, 0));
    ASSERT_NE(share, nullptr);
    share->MainWnd = HandleToField(reinterpret_cast<uintptr_t>(receiver));
    SetPropA(receiver, HookTargetPropertyName, reinterpret_cast<HANDLE>(1));  // as CreateDLLInst marks it
    LookPublisher look;
    ASSERT_TRUE(look.publish(receiver, lookSource()));  // active: the stripes; inactive: the gradient

    for (const Kind& kind : kinds) {
        HWND window = CreateWindowExW(kind.exStyle, L"OnePainter", L"A\u2022B \u20AC \uD55C\uAD6D\uC5B4 caf\u00E9",
                                      kind.style | WS_VISIBLE, 120, 120, 400, 300, nullptr, nullptr, nullptr, nullptr);
        for (bool active : {true, false}) {
            SetForegroundWindow(active ? window : receiver);
            PumpUntilQuiet(100);
            SendMessageW(window, WM_NCPAINT, 1, 0);  // the system's look
            paint(window, true);
            PumpUntilQuiet(100);
            const Capture outside = CaptureWindow(window);
            SendMessageW(window, WM_NCPAINT, 1, 0);
            CWPRETSTRUCT observed{0, 1, 0, WM_NCPAINT, window};
            CALLWNDPROCRETHookProc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&observed));
            PumpUntilQuiet(100);
            EXPECT_TRUE(CaptureWindow(window) == outside) << "style " << std::hex << kind.style << " ex "
                                                          << kind.exStyle << (active ? " active" : " inactive");
        }
        DestroyWindow(window);
    }

    // A captioned child of a window of another thread that has stopped
    // answering, in front: its paint asks that thread nothing, and returns.
    std::atomic<HWND> parent{};
    HANDLE answerAgain = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread hung([&] {
        parent = CreateWindowExW(0, L"OnePainter", L"Hung", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 120, 400, 300,
                                 nullptr, nullptr, nullptr, nullptr);
        WaitForSingleObject(answerAgain, 20000);
        DestroyWindow(parent);
    });
    ASSERT_TRUE(WaitFor([&] { return parent != nullptr; }));
    SetForegroundWindow(parent);
    HWND child = CreateWindowExW(WS_EX_NOPARENTNOTIFY, L"OnePainter", L"Child", WS_CHILD | WS_CAPTION | WS_SYSMENU |
                                 WS_VISIBLE, 10, 10, 200, 100, parent, nullptr, nullptr, nullptr);
    EXPECT_EQ(GetForegroundWindow(), parent.load());
    const ULONGLONG start = GetTickCount64();
    CWPRETSTRUCT childPaint{0, 1, 0, WM_NCPAINT, child};
    CALLWNDPROCRETHookProc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&childPaint));
    EXPECT_LT(GetTickCount64() - start, 2000u) << "the paint waited on the hung parent's thread";
    DestroyWindow(child);
    SetEvent(answerAgain);
    hung.join();
    CloseHandle(answerAgain);
    look.withdraw();
    UnmapViewOfFile(share);
    CloseHandle(record);
    DestroyWindow(receiver);
}
