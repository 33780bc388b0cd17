#include "hooklib/caption_blit.h"

#include "hooklib/hook_protocol.h"
#include "hooklib/published_captions.h"

namespace lume {

namespace {

// A view of the published captions kept for the life of the library in this
// process: the mapping is looked at on every caption repaint. Only a view of
// the program that the 8-byte record names is used.
void* volatile KeptView;

void* MapPublished()
{
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, PublishedCaptionsName);
    if (!mapping)
        return nullptr;
    // A mapping smaller than the ceiling cannot be viewed this large: what the
    // reader is given is always PublishedCaptionsBytes long.
    void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, PublishedCaptionsBytes);
    CloseHandle(mapping);  // the view keeps it
    return view;
}

uint32_t OwnerOf(const void* view)
{
    const auto* header = static_cast<const PublishedHeader*>(view);
    return __atomic_load_n(&header->owner, __ATOMIC_RELAXED);
}

// The kept view when it is `owner`'s; otherwise a view for this call alone
// (a program started anew while the library stayed), given back at its end.
class PublishedView {
public:
    explicit PublishedView(uint32_t owner)
    {
        void* kept = KeptView;
        if (kept && OwnerOf(kept) == owner) {
            view_ = kept;
            return;
        }
        void* fresh = MapPublished();
        if (!fresh)
            return;
        if (!kept && InterlockedCompareExchangePointer(const_cast<void**>(&KeptView), fresh, nullptr) == nullptr)
            view_ = fresh;
        else
            view_ = own_ = fresh;
    }
    ~PublishedView()
    {
        if (own_)
            UnmapViewOfFile(own_);
    }
    PublishedView(const PublishedView&) = delete;
    PublishedView& operator=(const PublishedView&) = delete;

    const uint8_t* get() const { return static_cast<const uint8_t*>(view_); }

private:
    void* view_ = nullptr;
    void* own_ = nullptr;
};

// The process of the program's main window: 0 when it is gone.
uint32_t ProcessOf(uint32_t owner)
{
    DWORD process = 0;
    GetWindowThreadProcessId(reinterpret_cast<HWND>(FieldToHandle(owner)), &process);
    return process;
}

} // namespace

bool IsCaptionRedrawn(UINT message)
{
    switch (message) {
    case WM_NCACTIVATE:
    case WM_NCPAINT:
    case WM_SETTEXT:
    case WM_ACTIVATE:
    case WM_SETICON:
    case WM_INITMENU:
        return true;
    default:
        return false;
    }
}

void PutPublishedCaption(const CWPRETSTRUCT& observed, uint32_t style, uint32_t owner)
{
    HWND window = observed.hwnd;
    const uint32_t windowField = HandleToField(reinterpret_cast<uintptr_t>(window));
    PublishedView view(owner);
    // Most windows have nothing published: that costs no call to the system.
    if (!MayBePublished(view.get(), PublishedCaptionsBytes, owner, windowField))
        return;
    RECT frame{};
    const uint32_t ownerProcess = ProcessOf(owner);
    if (!ownerProcess || !GetWindowRect(window, &frame))
        return;
    // Right after WM_NCACTIVATE the foreground may not have changed yet; its
    // wParam is the look the system has just drawn.
    const bool active =
        observed.message == WM_NCACTIVATE ? observed.wParam != 0 : GetForegroundWindow() == window;
    wchar_t title[PublishedTitleUnits + 1];
    const int length = InternalGetWindowText(window, title, PublishedTitleUnits + 1);
    const CaptionQuery query{owner,
                             ownerProcess,
                             windowField,
                             active,
                             frame.right - frame.left,
                             frame.bottom - frame.top,
                             style,
                             static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE)),
                             reinterpret_cast<const uint16_t*>(title),
                             length > 0 ? static_cast<uint32_t>(length) : 0u};
    // A title just set is not published yet: the caption of the old one holds
    // the look until the program's paint of the new one, which follows.
    const TitleMatch titles = observed.message == WM_SETTEXT ? TitleMatch::Any : TitleMatch::Exact;
    FoundPiece pieces[PublishedPieceLimit];
    const uint32_t count = FindPublishedCaption(view.get(), PublishedCaptionsBytes, query, titles, pieces);
    if (count == 0)
        return;
    HDC dc = GetWindowDC(window);
    if (!dc)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    for (uint32_t i = 0; i < count; ++i) {
        const PublishedPiece& place = pieces[i].place;
        info.bmiHeader.biWidth = place.width;
        info.bmiHeader.biHeight = -place.height;  // top-down
        SetDIBitsToDevice(dc, place.left, place.top, static_cast<DWORD>(place.width),
                          static_cast<DWORD>(place.height), 0, 0, 0, static_cast<UINT>(place.height),
                          view.get() + pieces[i].pixels, &info, DIB_RGB_COLORS);
    }
    ReleaseDC(window, dc);
}

bool IsThisProcessLeftAlone(uint32_t owner)
{
    const uint32_t ownerProcess = ProcessOf(owner);
    if (!ownerProcess)
        return false;
    PublishedView view(owner);
    return IsPublishedLeftAlone(view.get(), PublishedCaptionsBytes, owner, ownerProcess, GetCurrentProcessId());
}

void ReleasePublishedView()
{
    if (void* kept = InterlockedExchangePointer(const_cast<void**>(&KeptView), nullptr))
        UnmapViewOfFile(kept);
}

} // namespace lume
