// Looks at the Wine desktop from outside, for the end-to-end scripts. A
// TARGET is a top-level window title ("Dialog frame"), a title prefix ending
// in "*" ("Ticker*"), or "Frame title/Child title" for an MDI child.
//
//   probe look TARGET            caption background: stripes | gradient | system | other
//   probe save TARGET FILE       the window's pixels, once they stop changing, into FILE
//   probe same TARGET FILE       exit 0 when the window shows exactly FILE's pixels
//   probe activate TARGET        bring it to the front (an MDI child: activate it in its frame)
//   probe move TARGET X Y [W H]  move it (an MDI child: within its frame's client area), and size it
//   probe hang TARGET MS         make its thread sleep in its window procedure
//   probe answers TARGET         exit 0 when its thread answers within 200 ms
//   probe box CAPTION FILE       wait for a message box, write its text to FILE, print "icon" or
//                                "noicon", press OK
//   probe visible CLASS          exit 0 when a visible window of the class exists
//   probe rect TARGET            its window rectangle on the screen: left top right bottom
//   probe ids TARGET|0xHANDLE    its process, thread and handle: "0xPROCESS 0xTHREAD 0xHANDLE"
//   probe clientrect TARGET      its client area on the screen
//   probe savearea L T R B FILE  a screen area's pixels, once they stop changing, into FILE
//   probe samearea L T R B FILE  exit 0 when the area shows exactly FILE's pixels
//   probe buttonlook TARGET      the maximize button's place: painted | system
//   probe holes TARGET           how many pixels of its caption left of the buttons are not our
//                                look: neither its surface nor its letters and their shadow
//   probe cover L T R B HOW FILE shows a white pop-up over the screen area, then takes it away
//                                (HOW: destroy | hide | move), creates FILE, and stays 3 s
//   probe childrect ROOTCLASS CLASS TEXT|- N   the screen rectangle of the Nth matching descendant
//   probe settext ROOTCLASS CLASS TEXT|- N NEWTEXT   sets that descendant's text
//   probe menuitems [TEXT]       the open menu's text bands: "top bottom black|grey", top to bottom;
//                                with TEXT, those that show it
//   probe flood TARGET COUNT     sends it COUNT caption-related messages; exit 1 when one gets
//                                no answer
//   probe notifygone COUNT       posts the program COUNT notifications for gone and hidden windows
//   probe programanswers         exit 0 when LumeLume's main window answers within 500 ms
//   probe closeprogram           asks LumeLume's main window to close (as its Exit command does)
//   probe closeapp               ends LumeLume's session as the restart manager does (ENDSESSION_CLOSEAPP)
//   probe taskbarcreated         sends LumeLume's main window the shell's "TaskbarCreated"
//   probe menurect               the open pop-up menu's rectangle: left top right bottom
//   probe tray                   exit 0 when something is drawn at the first tray icon's place
//   probe blink ACTION ARG TARGET...  does ACTION, reads a band of each target's caption as fast
//                                as the screen can be read for 400 ms, and prints how many ms the
//                                system's look showed in any of them, the most in one run, and
//                                the number of readings.
//                                ACTION: focus TITLE | title TITLE (a title changed) |
//                                destroy|hide L,T,R,B (a white pop-up over the area goes) |
//                                size TITLE (40 px wider or narrower) | maximize TITLE |
//                                restore TITLE | new TITLE (a sample window of that title
//                                opens; it is closed afterwards)
//   probe ownwindows CLASS       the number of visible top-level windows of the process that
//                                owns a window of CLASS
//   probe texts CLASS            the texts of a window of CLASS, its descendants and its tabs,
//                                one a line
//   probe ansiread TEXT          TEXT as an ANSI read gives it back in the system's code page
//   probe holdmapping NAME SECONDS   creates an 8-byte pagefile mapping of that name, prints
//                                "held", and keeps it for SECONDS
//   probe codepage               the system's ANSI code page
//
// Texts in arguments and output are UTF-8, whatever the system's code page.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "compose/caption_drawing.h"
#include "compose/caption_layout.h"
#include "settings/caption_settings.h"
#include "tests/samples/sample_protocol.h"
#include "tests/win/screen_capture.h"

using namespace lume;
using namespace lume::test;

namespace {

std::string Utf8(std::wstring_view text)
{
    std::string narrow(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                                nullptr, 0, nullptr, nullptr)),
                       '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                        static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
}

std::wstring Wide(const std::string& text, UINT codePage = CP_UTF8)
{
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                                              nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

std::string TextOf(HWND window)
{
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return Utf8(text);
}

struct Search {
    std::string title;
    bool prefix;
    HWND parent;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    if (search->parent && GetParent(window) != search->parent && GetAncestor(window, GA_ROOT) != search->parent)
        return TRUE;
    std::string title = TextOf(window);
    bool match = search->prefix ? title.rfind(search->title, 0) == 0 : title == search->title;
    if (match && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindTarget(const std::string& target)
{
    auto find = [](std::string title, HWND parent) {
        Search search{title, false, parent, nullptr};
        if (!title.empty() && title.back() == '*') {
            search.title.pop_back();
            search.prefix = true;
        }
        if (parent)
            EnumChildWindows(parent, MatchTitle, reinterpret_cast<LPARAM>(&search));
        else
            EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
        return search.found;
    };
    size_t slash = target.find('/');
    if (slash == std::string::npos)
        return find(target, nullptr);
    HWND frame = find(target.substr(0, slash), nullptr);
    return frame ? find(target.substr(slash + 1), frame) : nullptr;
}

HWND RequireTarget(const std::string& target)
{
    HWND window = nullptr;
    WaitFor([&] { return (window = FindTarget(target)) != nullptr; }, 5000);
    if (!window) {
        std::fprintf(stderr, "probe: no window %s\n", target.c_str());
        std::exit(2);
    }
    return window;
}

// Points of the caption's background right of any short title and left of
// the buttons, in window coordinates.
std::vector<POINT> BackgroundPoints(HWND window, CaptionLayout& layout)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    CaptionMetrics metrics = CaptionMetricsFrom({GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME),
                                                 GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME),
                                                 GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CYSMCAPTION)});
    layout = LayoutCaption(frame.right - frame.left, frame.bottom - frame.top,
                           static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE)),
                           static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE)), metrics, CaptionSettings{}, false);
    std::vector<POINT> points;
    for (int x = layout.ButtonAreaX - 40; x <= layout.ButtonAreaX - 8; x += 4)
        points.push_back({x, layout.CaptionRect.top + 1});
    return points;
}

// What the colour `seen` at window point p is.
std::string ClassifyColour(const CaptionLayout& layout, Color seen, POINT p)
{
    const Rect& caption = layout.CaptionRect;
    if (seen == SubstituteTexturePixel(p.x - caption.left, p.y - caption.top))
        return "stripes";
    int column = (2 * (p.x - caption.left) + 1) * GradientWidth / (2 * caption.width());
    for (int c = std::max(0, column - 1); c <= std::min(255, column + 1); ++c)
        if (seen == GradientColumn(RgbColor(80, 80, 80), RgbColor(192, 192, 192), c))
            return "gradient";
    for (int index : {COLOR_ACTIVECAPTION, COLOR_INACTIVECAPTION, COLOR_GRADIENTACTIVECAPTION,
                      COLOR_GRADIENTINACTIVECAPTION})
        if (seen == GetSysColor(index))
            return "system";
    return "other";
}

std::string ClassifyPixel(const CaptionLayout& layout, const Capture& capture, POINT p)
{
    return ClassifyColour(layout, capture.at(p.x, p.y), p);
}

// The maximize button's place: "painted" when the caption's background covers it.
int ButtonLook(const std::string& target)
{
    HWND window = RequireTarget(target);
    CaptionLayout layout;
    BackgroundPoints(window, layout);
    Capture capture = CaptureWindow(window);
    const Rect& button = layout.MaxButtonRect;
    const int y = (button.top + button.bottom) / 2;
    for (int x = button.left + 2; x < button.right - 2; x += 2) {
        std::string kind = ClassifyPixel(layout, capture, {x, y});
        if (kind != "stripes" && kind != "gradient") {
            std::printf("system\n");
            return 0;
        }
    }
    std::printf("painted\n");
    return 0;
}

// The first visible top-level window of the class.
HWND TopLevelOfClass(const std::string& className)
{
    HWND window = nullptr;
    WaitFor([&] { return (window = FindWindowA(className.c_str(), nullptr)) && IsWindowVisible(window); }, 5000);
    return window;
}

// The index-th descendant of that window of a class, with a text ("-": any).
HWND Descendant(const std::string& rootClass, const std::string& className, const std::string& text, int index)
{
    struct DescendantSearch {
        std::string className, text;
        int index;
        HWND found;
    } search{className, text, index, nullptr};
    EnumChildWindows(
        TopLevelOfClass(rootClass),
        [](HWND window, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<DescendantSearch*>(lParam);
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            if (lstrcmpiA(name, s->className.c_str()) == 0 && (s->text == "-" || s->text == TextOf(window)) &&
                s->index-- == 0) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        std::fprintf(stderr, "probe: no %s %s #%d in %s\n", className.c_str(), text.c_str(), index, rootClass.c_str());
        std::exit(2);
    }
    return search.found;
}

// How many pixels of its caption left of the buttons are not our look: neither
// the surface's colour there nor the letters' (white) or the shadow's (black).
// Letters are never three pixels thick: a patch of one of those colours that
// is, is a hole (a caption left white by a pop-up, or black where covered).
int Holes(const std::string& target)
{
    HWND window = RequireTarget(target);
    CaptionLayout layout;
    BackgroundPoints(window, layout);
    Capture capture = CaptureWindow(window);
    auto solid = [&](int x, int y) {  // the pixel and its eight neighbours alike
        for (int i = 0; i < 9; ++i)
            if (capture.at(x - 1 + i % 3, y - 1 + i / 3) != capture.at(x, y))
                return false;
        return true;
    };
    int holes = 0;
    for (int y = layout.CaptionRect.top; y < layout.CaptionRect.bottom; ++y)
        for (int x = layout.CaptionRect.left; x < layout.ButtonAreaX - 2; ++x) {
            const Color seen = capture.at(x, y);
            const std::string kind = ClassifyPixel(layout, capture, {x, y});
            const bool letterOrShadow = seen == RgbColor(255, 255, 255) || seen == 0;
            holes += kind != "stripes" && kind != "gradient" && (!letterOrShadow || solid(x, y));
        }
    std::printf("%d\n", holes);
    return 0;
}

// Pumps this thread's messages for `milliseconds`.
void PumpFor(DWORD milliseconds)
{
    const DWORD end = GetTickCount() + milliseconds;
    for (DWORD now = GetTickCount(); static_cast<int32_t>(end - now) > 0; now = GetTickCount()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
}

// A white pop-up over a screen area, shown without taking the focus.
HWND WhiteCover(const RECT& area)
{
    WNDCLASSA white{};
    white.lpfnWndProc = DefWindowProcA;
    white.hInstance = GetModuleHandleA(nullptr);
    white.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    white.lpszClassName = "LumeProbeCover";
    RegisterClassA(&white);
    HWND cover = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, "LumeProbeCover", "",
                                 WS_POPUP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                                 nullptr, nullptr, white.hInstance, nullptr);
    ShowWindow(cover, SW_SHOWNOACTIVATE);
    return cover;
}

int Cover(RECT area, const std::string& how, const std::string& doneFile)
{
    HWND cover = WhiteCover(area);
    PumpFor(500);
    if (how == "destroy")
        DestroyWindow(cover);
    else if (how == "hide")
        ShowWindow(cover, SW_HIDE);
    else
        SetWindowPos(cover, nullptr, 0, 680, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(50);
    std::ofstream(doneFile).put('1');
    PumpFor(3000);
    return 0;
}

// The rows of the area that differ from the background, cut to their
// bounding box: one string a row, '#' for ink.
std::vector<std::string> Ink(const Capture& capture, RECT area, uint32_t background)
{
    std::vector<std::string> rows;
    size_t left = std::string::npos, right = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        std::string row;
        for (int x = area.left; x < area.right; ++x)
            row += capture.at(x, y) == background ? '.' : '#';
        if (row.find('#') == std::string::npos)
            continue;
        left = std::min(left, row.find('#'));
        right = std::max(right, row.rfind('#') + 1);
        rows.push_back(row);
    }
    for (std::string& row : rows)
        row = row.substr(left, right - left);
    return rows;
}

// The ink of TEXT as a menu item shows it: in the menu font, on the background.
std::vector<std::string> MenuTextInk(const std::wstring& text, uint32_t background)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    Capture drawn{{0, 0, 600, 60}, {}};
    HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    HGDIOBJ objects[] = {CreateCompatibleBitmap(screen, drawn.width(), drawn.height()),
                         CreateFontIndirectW(&metrics.lfMenuFont), CreateSolidBrush(background)};
    SelectObject(dc, objects[0]);
    SelectObject(dc, objects[1]);
    FillRect(dc, &drawn.area, static_cast<HBRUSH>(objects[2]));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_MENUTEXT));
    TextOutW(dc, 4, 4, text.data(), static_cast<int>(text.size()));
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            drawn.pixels.push_back(GetPixel(dc, x, y));
    DeleteDC(dc);  // first: the objects it holds are then free to go
    for (HGDIOBJ object : objects)
        DeleteObject(object);
    ReleaseDC(nullptr, screen);
    return Ink(drawn, drawn.area, background);
}

// The text bands of the open pop-up menu, top to bottom: "top bottom black|grey";
// with a text, only the bands that show it, and exit 1 when none does.
int MenuItems(const std::wstring& only = L"")
{
    HWND menu = FindWindowA("#32768", nullptr);
    RECT frame{};
    if (!menu || !IsWindowVisible(menu) || !GetWindowRect(menu, &frame))
        return 1;
    Capture capture = CaptureScreen(frame);
    const uint32_t background = capture.at(capture.width() / 2, 3);
    const std::vector<std::string> wanted = only.empty() ? std::vector<std::string>{} : MenuTextInk(only, background);
    int bandTop = -1, shown = 0;
    bool black = false;
    for (int y = 2; y < capture.height() - 2; ++y) {
        bool text = false;
        for (int x = 8; x < capture.width() - 8; ++x) {
            uint32_t pixel = capture.at(x, y);
            if (pixel != background) {
                text = true;
                black = black || pixel == 0;
            }
        }
        if (text && bandTop < 0) {
            bandTop = y;
        } else if (!text && bandTop >= 0) {
            const RECT band{8, bandTop, capture.width() - 8, y};
            if (y - bandTop > 3 && (only.empty() || Ink(capture, band, background) == wanted)) {  // not a separator
                std::printf("%ld %ld %s\n", frame.top + bandTop, frame.top + y, black ? "black" : "grey");
                ++shown;
            }
            bandTop = -1;
            black = false;
        }
    }
    return only.empty() || shown ? 0 : 1;
}

int Look(const std::string& target)
{
    HWND window = RequireTarget(target);
    CaptionLayout layout;
    std::vector<POINT> points = BackgroundPoints(window, layout);
    Capture capture = CaptureWindow(window);
    std::map<std::string, int> votes;
    for (POINT p : points) {
        std::string kind = ClassifyPixel(layout, capture, p);
        ++votes[kind];
        if (std::getenv("LUME_PROBE_VERBOSE"))
            std::fprintf(stderr, "%ld,%ld %06x %s\n", p.x, p.y, capture.at(p.x, p.y), kind.c_str());
    }
    std::string verdict = "mixed";
    for (const auto& [kind, count] : votes)
        if (count == static_cast<int>(points.size()))
            verdict = kind;
    std::printf("%s\n", verdict.c_str());
    return 0;
}

int Activate(const std::string& target)
{
    HWND window = RequireTarget(target);
    if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) {
        HWND frame = GetAncestor(window, GA_ROOT);
        SetForegroundWindow(frame);
        SendMessageA(GetParent(window), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
    } else {
        SetForegroundWindow(window);
    }
    SyncWith(window);
    return 0;
}

int Move(const std::string& target, int x, int y, int width = 0, int height = 0)
{
    HWND window = RequireTarget(target);
    SetWindowPos(window, nullptr, x, y, width, height,
                 (width ? 0 : SWP_NOSIZE) | SWP_NOZORDER | SWP_NOACTIVATE);
    SyncWith(window);
    return 0;
}

int Hang(const std::string& target, int milliseconds)
{
    static const UINT hang = RegisterWindowMessageA(samples::HangMessageName);
    PostMessageA(RequireTarget(target), hang, static_cast<WPARAM>(milliseconds), 0);
    return 0;
}

int Answers(const std::string& target)
{
    static const UINT sync = RegisterWindowMessageA(samples::SyncMessageName);
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(RequireTarget(target), sync, 0, 0, SMTO_NORMAL, 200, &answer) && answer == 1 ? 0 : 1;
}

int Box(const std::string& caption, const std::string& path)
{
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = FindWindowW(L"#32770", Wide(caption).c_str())) != nullptr; }, 10000))
        return 1;
    char text[4096] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    std::ofstream(path, std::ios::binary) << text;
    HWND icon = GetDlgItem(box, 0x0440);
    bool hasIcon = icon && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
    std::printf("%s\n", hasIcon ? "icon" : "noicon");
    std::fflush(stdout);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return 0;
}

int Visible(const std::string& className)
{
    HWND window = FindWindowA(className.c_str(), nullptr);
    return window && IsWindowVisible(window) ? 0 : 1;
}

int MenuRect()
{
    HWND menu = FindWindowA("#32768", nullptr);
    RECT frame{};
    if (!menu || !IsWindowVisible(menu) || !GetWindowRect(menu, &frame))
        return 1;
    std::printf("%ld %ld %ld %ld\n", frame.left, frame.top, frame.right, frame.bottom);
    return 0;
}

int PrintRect(const std::string& target, bool client)
{
    HWND window = RequireTarget(target);
    RECT area{};
    if (client) {
        GetClientRect(window, &area);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    } else {
        GetWindowRect(window, &area);
    }
    std::printf("%ld %ld %ld %ld\n", area.left, area.top, area.right, area.bottom);
    return 0;
}

// A screen area's pixels into a file, or compared with one.
int Area(bool save, int left, int top, int right, int bottom, const std::string& path)
{
    Capture capture = save ? CaptureScreenSettled({left, top, right, bottom}) : CaptureScreen({left, top, right, bottom});
    if (save) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(capture.pixels.data()),
                   static_cast<std::streamsize>(capture.pixels.size() * 4));
        return 0;
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<char> saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (saved.size() != capture.pixels.size() * 4)
        return 1;
    const auto* before = reinterpret_cast<const uint32_t*>(saved.data());
    int differing = 0;
    for (size_t i = 0; i < capture.pixels.size(); ++i)
        if (before[i] != capture.pixels[i] && differing++ == 0 && std::getenv("LUME_PROBE_VERBOSE"))
            std::fprintf(stderr, "first difference at %d,%d: %06x now %06x\n",
                         left + static_cast<int>(i) % capture.width(), top + static_cast<int>(i) / capture.width(),
                         before[i], capture.pixels[i]);
    return differing == 0 ? 0 : 1;
}

// COUNT messages of every kind the hook classifies, sent to the window in turn;
// exit 1 at the first one it does not answer within a second.
int Flood(const std::string& target, int count)
{
    HWND window = RequireTarget(target);
    static const UINT hitTest = RegisterWindowMessageA(samples::HitTestMessageName);
    RECT frame{};
    GetWindowRect(window, &frame);
    DWORD_PTR result = 0;
    for (int i = 0; i < count; ++i) {
        const UINT message[] = {WM_SETTEXT, hitTest, WM_NCACTIVATE, WM_NCPAINT};
        const WPARAM wParam[] = {0, 0, i % 8 == 2, 1};
        const LPARAM lParam[] = {reinterpret_cast<LPARAM>(target.c_str()), MAKELPARAM(frame.left + 50, frame.top + 10),
                                 0, 0};
        if (!SendMessageTimeoutA(window, message[i % 4], wParam[i % 4], lParam[i % 4], SMTO_NORMAL, 1000, &result)) {
            std::fprintf(stderr, "probe: message %d of %d had no answer within a second\n", i + 1, count);
            return 1;
        }
    }
    return 0;
}

// COUNT notifications for windows that are gone or hidden, posted to the program.
int NotifyGone(int count)
{
    HWND program = FindWindowA("TFrmMain", nullptr);
    if (!program)
        return 2;
    std::vector<HWND> hidden, gone;
    for (int i = 0; i < 20; ++i) {
        HWND window = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
        (i % 2 ? hidden : gone).push_back(window);
    }
    for (HWND window : gone)
        DestroyWindow(window);
    for (int i = 0; i < count; ++i) {
        HWND target = i % 2 ? hidden[i % hidden.size()] : gone[i % gone.size()];
        UINT message = i % 3 ? 0x0501 : 0x0502;
        while (!PostMessageA(program, message, 0, reinterpret_cast<LPARAM>(target)))
            Sleep(1);  // the queue is full: let the program catch up
    }
    DWORD_PTR result = 0;
    // Answers once it has handled all of them.
    bool answered = SendMessageTimeoutA(program, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result) != 0;
    for (HWND window : hidden)
        DestroyWindow(window);
    return answered ? 0 : 1;
}

int Tray()
{
    // The first tray icon's 16 x 16 place on a 1024 x 768 desktop.
    Capture capture = CaptureScreen({1006, 750, 1022, 766});
    for (uint32_t pixel : capture.pixels)
        if (pixel != capture.pixels.front())
            return 0;
    return 1;
}

struct OwnWindows {
    DWORD process;
    int visible;
};

BOOL CALLBACK CountVisible(HWND window, LPARAM lParam)
{
    auto* own = reinterpret_cast<OwnWindows*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == own->process && IsWindowVisible(window))
        ++own->visible;
    return TRUE;
}

int CountOwnWindows(const std::string& className)
{
    HWND window = FindWindowA(className.c_str(), nullptr);
    if (!window)
        return 2;
    OwnWindows own{0, 0};
    GetWindowThreadProcessId(window, &own.process);
    EnumWindows(CountVisible, reinterpret_cast<LPARAM>(&own));
    std::printf("%d\n", own.visible);
    return 0;
}

// A band of a caption left of the buttons, right of any short title, and
// the window's layout and place when the band was taken.
struct CaptionBand {
    CaptionLayout layout;
    RECT frame{};
    RECT band{};
};

CaptionBand BandOf(HWND window)
{
    CaptionBand b;
    BackgroundPoints(window, b.layout);
    GetWindowRect(window, &b.frame);
    const Rect& caption = b.layout.CaptionRect;
    b.band = {b.frame.left + std::max(caption.left, b.layout.ButtonAreaX - 60), b.frame.top + caption.top,
              b.frame.left + b.layout.ButtonAreaX - 4, b.frame.top + caption.bottom};
    return b;
}

// With `under`, what the screen showed before the window opened: a pixel
// still as it was then is what lies under the window, not yet its own.
bool ShowsSystemLook(const CaptionBand& b, const Capture* under = nullptr)
{
    const Capture capture = CaptureScreen(b.band);
    for (int y = 0; y < capture.height(); ++y)
        for (int x = 0; x < capture.width(); ++x) {
            const POINT screen{b.band.left + x, b.band.top + y};
            if (under && PtInRect(&under->area, screen) &&
                under->at(screen.x - under->area.left, screen.y - under->area.top) == capture.at(x, y))
                continue;
            if (ClassifyColour(b.layout, capture.at(x, y), {screen.x - b.frame.left, screen.y - b.frame.top}) ==
                "system")
                return true;
        }
    return false;
}

// Where a window that opens mid-measure opens.
constexpr RECT OpeningFrame{560, 420, 960, 720};

// A sample window of its own process, for a window that opens mid-measure.
PROCESS_INFORMATION StartSample(const std::string& title)
{
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    path = path.substr(0, path.find_last_of('\\')) + "\\..\\samples\\sample_windows.exe";
    const RECT& at = OpeningFrame;
    std::wstring command = Wide("\"" + path + "\" --one \"" + title + "\" " + std::to_string(at.left) + " " +
                                std::to_string(at.top) + " " + std::to_string(at.right - at.left) + " " +
                                std::to_string(at.bottom - at.top));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    return process;
}

int Blink(const std::string& action, const std::string& argument, const std::vector<std::string>& targets)
{
    std::vector<HWND> windows;
    std::vector<CaptionBand> bands;
    if (action != "new")
        for (const std::string& target : targets) {
            windows.push_back(RequireTarget(target));
            bands.push_back(BandOf(windows.back()));
        }
    HWND cover = nullptr;
    RECT area{};
    if (action == "destroy" || action == "hide") {
        std::sscanf(argument.c_str(), "%ld,%ld,%ld,%ld", &area.left, &area.top, &area.right, &area.bottom);
        cover = WhiteCover(area);
        PumpFor(500);
    }
    LARGE_INTEGER frequency, start, now, last;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (action == "focus") {
        SetForegroundWindow(RequireTarget(argument));
    } else if (action == "title") {
        HWND window = RequireTarget(argument);
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        std::wstring title = text;
        title = title.size() > 2 && title.substr(title.size() - 2) == L" *" ? title.substr(0, title.size() - 2)
                                                                             : title + L" *";
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()), SMTO_NORMAL, 1000,
                            &result);
    } else if (action == "destroy") {
        DestroyWindow(cover);
    } else if (action == "hide") {
        ShowWindow(cover, SW_HIDE);
    } else if (action == "size") {
        HWND window = RequireTarget(argument);
        RECT frame{};
        GetWindowRect(window, &frame);
        const int width = frame.right - frame.left;
        SetWindowPos(window, nullptr, 0, 0, width % 80 < 40 ? width + 40 : width - 40, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (action == "maximize" || action == "restore") {
        ShowWindowAsync(RequireTarget(argument), action == "maximize" ? SW_MAXIMIZE : SW_RESTORE);
    }
    PROCESS_INFORMATION opened{};
    Capture under;
    if (action == "new") {
        // The window shows some time before its pixels reach the screen.
        under = CaptureScreen(OpeningFrame);
        opened = StartSample(argument);
        HWND window = nullptr;
        WaitFor([&] { return (window = FindTarget(argument)) != nullptr && IsWindowVisible(window); }, 5000);
        if (!window) {
            std::fprintf(stderr, "probe: the new window did not open\n");
            return 2;
        }
        windows = {window};
        bands = {BandOf(window)};
        // The 400 ms are read from when it shows: a process start under a busy
        // server may take most of them.
        QueryPerformanceCounter(&start);
    }
    double shown = 0, run = 0, longest = 0;
    last = start;
    bool wasSystem = false;
    int samples = 0;
    do {
        ++samples;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        bool system = false;
        for (size_t i = 0; i < bands.size(); ++i) {
            RECT frame{};
            // A window resized or moved: its band where it is now.
            if (GetWindowRect(windows[i], &frame) && !EqualRect(&frame, &bands[i].frame))
                bands[i] = BandOf(windows[i]);
            system = system || ShowsSystemLook(bands[i], opened.hProcess ? &under : nullptr);
        }
        QueryPerformanceCounter(&now);
        const double elapsed = 1000.0 * static_cast<double>(now.QuadPart - last.QuadPart) / frequency.QuadPart;
        if (wasSystem) {
            shown += elapsed;
            run += elapsed;
            longest = std::max(longest, run);
        } else {
            run = 0;
        }
        wasSystem = system;
        last = now;
    } while (1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart < 400);
    if (cover)
        DestroyWindow(cover);
    if (opened.hProcess) {
        TerminateProcess(opened.hProcess, 0);
        CloseHandle(opened.hProcess);
        CloseHandle(opened.hThread);
    }
    std::printf("%.0f %.0f %d\n", shown, longest, samples);
    return 0;
}

// Every text a user reads in the window: its own, its descendants', and the
// items of its tab controls, which live in its process.
int Texts(const std::string& className)
{
    HWND root = TopLevelOfClass(className);
    if (!root)
        return 2;
    std::printf("%s\n", TextOf(root).c_str());
    EnumChildWindows(
        root,
        [](HWND window, LPARAM) -> BOOL {
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            std::printf("%s\n", TextOf(window).c_str());
            if (lstrcmpiA(name, "SysTabControl32") != 0)
                return TRUE;
            DWORD processId = 0;
            GetWindowThreadProcessId(window, &processId);
            HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
            constexpr int TextChars = 256;
            auto* remote = static_cast<char*>(
                VirtualAllocEx(process, nullptr, sizeof(TCITEMW) + TextChars * 2, MEM_COMMIT, PAGE_READWRITE));
            const int count = static_cast<int>(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(TCITEMW));
                item.cchTextMax = TextChars;
                WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
                SendMessageW(window, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote));
                wchar_t text[TextChars] = {};
                ReadProcessMemory(process, remote + sizeof(TCITEMW), text, sizeof text - 2, nullptr);
                std::printf("%s\n", Utf8(text).c_str());
            }
            VirtualFreeEx(process, remote, 0, MEM_RELEASE);
            CloseHandle(process);
            return TRUE;
        },
        0);
    return 0;
}

} // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(Utf8(argv[i]));
    auto is = [&](const char* command, size_t count) { return args.size() == count && args[0] == command; };
    if (is("look", 2))
        return Look(args[1]);
    if (is("save", 3) || is("same", 3)) {
        RECT r{};
        GetWindowRect(RequireTarget(args[1]), &r);
        return Area(args[0] == "save", r.left, r.top, r.right, r.bottom, args[2]);
    }
    if (is("activate", 2))
        return Activate(args[1]);
    if (is("move", 4) || is("move", 6))
        return Move(args[1], std::atoi(args[2].c_str()), std::atoi(args[3].c_str()),
                    args.size() == 6 ? std::atoi(args[4].c_str()) : 0, args.size() == 6 ? std::atoi(args[5].c_str()) : 0);
    if (is("hang", 3))
        return Hang(args[1], std::atoi(args[2].c_str()));
    if (is("answers", 2))
        return Answers(args[1]);
    if (is("box", 3))
        return Box(args[1], args[2]);
    if (is("visible", 2))
        return Visible(args[1]);
    if (is("rect", 2) || is("clientrect", 2))
        return PrintRect(args[1], args[0] == "clientrect");
    if (is("ids", 2)) {
        HWND window = args[1].rfind("0x", 0) == 0 ? reinterpret_cast<HWND>(std::strtoull(args[1].c_str(), nullptr, 16))
                                                   : RequireTarget(args[1]);
        DWORD process = 0;
        const DWORD thread = GetWindowThreadProcessId(window, &process);
        std::printf("0x%lx 0x%lx 0x%lx\n", process, thread,
                    static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)));
        return thread ? 0 : 2;
    }
    if (is("savearea", 6) || is("samearea", 6))
        return Area(args[0] == "savearea", std::atoi(args[1].c_str()), std::atoi(args[2].c_str()),
                    std::atoi(args[3].c_str()), std::atoi(args[4].c_str()), args[5]);
    if (is("buttonlook", 2))
        return ButtonLook(args[1]);
    if (is("holes", 2))
        return Holes(args[1]);
    if (is("cover", 7))
        return Cover({std::atoi(args[1].c_str()), std::atoi(args[2].c_str()), std::atoi(args[3].c_str()),
                      std::atoi(args[4].c_str())},
                     args[5], args[6]);
    if (is("childrect", 5)) {
        HWND child = Descendant(args[1], args[2], args[3], std::atoi(args[4].c_str()));
        RECT r{};
        GetWindowRect(child, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
    }
    if (is("settext", 6)) {
        SendMessageW(Descendant(args[1], args[2], args[3], std::atoi(args[4].c_str())), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(Wide(args[5]).c_str()));
        return 0;
    }
    if (is("flood", 3))
        return Flood(args[1], std::atoi(args[2].c_str()));
    if (is("notifygone", 2))
        return NotifyGone(std::atoi(args[1].c_str()));
    if (is("programanswers", 1) || is("closeprogram", 1) || is("taskbarcreated", 1) || is("closeapp", 1)) {
        HWND program = FindWindowA("TFrmMain", nullptr);
        if (!program)
            return 2;
        if (args[0] == "taskbarcreated") {
            DWORD_PTR result = 0;
            return SendMessageTimeoutA(program, RegisterWindowMessageA("TaskbarCreated"), 0, 0, SMTO_NORMAL, 5000,
                                       &result) ? 0 : 1;
        }
        if (args[0] == "closeprogram")
            return PostMessageA(program, WM_CLOSE, 0, 0) ? 0 : 1;
        DWORD_PTR result = 0;
        if (args[0] == "closeapp") {
            SendMessageTimeoutA(program, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_NORMAL, 5000, &result);
            return SendMessageTimeoutA(program, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_NORMAL, 5000, &result)
                       ? 0 : 1;
        }
        return SendMessageTimeoutA(program, WM_NULL, 0, 0, SMTO_NORMAL, 500, &result) ? 0 : 1;
    }
    if (is("menuitems", 1) || is("menuitems", 2))
        return MenuItems(args.size() == 2 ? Wide(args[1]) : L"");
    if (is("menurect", 1))
        return MenuRect();
    if (is("tray", 1))
        return Tray();
    if (args.size() >= 4 && args[0] == "blink")
        return Blink(args[1], args[2], {args.begin() + 3, args.end()});
    if (is("ownwindows", 2))
        return CountOwnWindows(args[1]);
    if (is("codepage", 1)) {
        std::printf("%u\n", GetACP());
        return 0;
    }
    if (is("texts", 2))
        return Texts(args[1]);
    if (is("holdmapping", 3)) {
        HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 8, args[1].c_str());
        if (!mapping)
            return 1;
        std::printf("held\n");
        std::fflush(stdout);
        Sleep(static_cast<DWORD>(std::atoi(args[2].c_str())) * 1000);
        CloseHandle(mapping);
        return 0;
    }
    if (is("ansiread", 2)) {
        const std::wstring text = Wide(args[1]);
        std::string ansi(text.size() * 4 + 1, '\0');
        ansi.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                            ansi.data(), static_cast<int>(ansi.size()), nullptr,
                                                            nullptr)));
        std::printf("%s\n", Utf8(Wide(ansi, CP_ACP)).c_str());
        return 0;
    }
    std::fprintf(stderr, "probe: unknown command\n");
    return 2;
}
