// The least a Win32 program does to start and show a caption's text: a window
// class, a window, one font drawn with once (the program must load its caption
// fonts too), and a sign that it got there (a named mapping); then it waits to
// be ended.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "LumeMinimal";
    RegisterClassA(&windowClass);
    CreateWindowExA(0, "LumeMinimal", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);

    // The program's default caption face, "ＭＳ Ｐ明朝" in cp932, 9 points.
    LOGFONTA description{};
    description.lfHeight = -12;
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(description.lfFaceName, "\x82\x6c\x82\x72\x20\x82\x6f\x96\xbe\x92\xa9");
    HFONT font = CreateFontIndirectA(&description);
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(memory, 200, 20);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HGDIOBJ oldFont = SelectObject(memory, font);
    ExtTextOutA(memory, 0, 0, 0, nullptr, "Minimal", 7, nullptr);
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    DeleteObject(font);

    CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 8, "LUMEMINIMAL");
    Sleep(INFINITE);
    return 0;
}
