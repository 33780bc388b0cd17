// What the hook library keeps in a process between calls: the program's
// published look, checked once when it is mapped, and the GDI objects made
// from it (the composition bitmap, the two surfaces, the two fonts). Two
// holds per process, each used by one thread at a time; a thread that finds
// both in use makes a hold for its call alone. Everything is given back when
// the look changes (at the next paint in the process, whichever hold has it)
// and when the library leaves the process.
#pragma once
#include <windows.h>

#include "compose/caption_paint.h"
#include "publish/published_look.h"

namespace lume {

// What a caption's clip depends on: the frame's geometry and the client area.
struct ClipKey {
    Rect windowBox;
    Rect caption;
    Rect buttons[3];
    uint32_t style;
    uint32_t exStyle;
    int32_t frameX;
    int32_t frameY;
    bool protectClose;
    bool protectOthers;
    bool withLines;
    Rect client;
    bool operator==(const ClipKey&) const = default;
};

struct LookHold {
    volatile LONG busy;
    uint32_t owner;  // the main window the look was taken for
    const uint8_t* view;
    SIZE_T viewSize;
    LookCopy look;
    // The last look-up for `owner` that found nothing usable, the handle the
    // program named then and when: not tried again for that handle for a
    // moment, so a process with nothing to read maps nothing at each paint.
    bool missed;
    HANDLE missedSection;
    DWORD missedAt;
    // Made from the look on first use.
    bool built;
    CompositionDib composition;
    HDC sourceDc;
    HGDIOBJ sourceOriginal;
    HBITMAP surfaces[2];
    HFONT fonts[2];
    enum class Alone : uint8_t { Unasked, No, Yes } leftAlone;  // this process's program
    // The clip of the last caption painted, for the next paint of the same
    // frame; and the last window asked for its class.
    HRGN clip;
    ClipKey clipKey;
    HWND lastWindow;
    bool lastWindowNeverPainted;
    // The frame metrics at the DPI of the last window painted: reading them
    // costs more than the rest of a paint.
    UINT metricsDpi;
    CaptionMetrics metrics;
};

// A hold for one call: a kept one when one is free, else one of its own.
class ClaimedHold {
public:
    ClaimedHold() noexcept;
    ~ClaimedHold();
    ClaimedHold(const ClaimedHold&) = delete;
    ClaimedHold& operator=(const ClaimedHold&) = delete;

    // The hold with the look `owner` now publishes, its objects made; null
    // when there is none this process can use. A retired look the other
    // kept hold still has is dropped on the way.
    LookHold* withLook(uint32_t owner) noexcept;

private:
    LookHold* hold_;
    LookHold own_;
};

// True when the program `owner` leaves this process alone (false without a look).
bool IsProgramLeftAlone(LookHold& hold) noexcept;

// Every kept hold given back: the library leaves the process.
void ReleaseKeptHolds() noexcept;

} // namespace lume
