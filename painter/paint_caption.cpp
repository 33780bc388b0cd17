#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

#include "painter/caption_composition.h"
#include "painter/caption_dc.h"
#include "painter/caption_publication.h"
#include "painter/caption_publisher.h"
#include "painter/caption_drawing.h"
#include "painter/composition_bitmap.h"
#include "painter/painter.h"
#include "painter/surfaces.h"
#include "painter/window_dpi.h"
#include "painter/window_program.h"
#include "settings/settings.h"
#include "ui/canvas.h"

namespace lume {

namespace {

constexpr int ClassNameBytes = 15;
constexpr int WindowTextUnits = 257;
constexpr size_t KnownClassesLimit = 4096;

const ui::Font& FontOf(const CaptionLayout& layout)
{
    return layout.CaptionFont == CaptionFontKind::Tool ? *ToolFont : *NormalFont;
}

// The memory bitmap every caption is composed in.
CompositionBitmap Composition;

// Shadow, then letters, transparent, cut to the text's clip, in the caption's font.
void PaintCaptionText(ui::Canvas& canvas, const CaptionLayout& layout, const std::wstring& text)
{
    canvas.selectFont(FontOf(layout).handle());
    const Rect clip = CaptionTextClip(layout);
    const RECT clipRect{clip.left, clip.top, clip.right, clip.bottom};
    HDC dc = canvas.dc();
    SetBkMode(dc, TRANSPARENT);
    const auto length = static_cast<UINT>(text.size());
    const Point shadow = CaptionShadowOrigin(layout, Settings.Common.ShadowShift);
    SetTextColor(dc, layout.ShadowColour);
    ExtTextOutW(dc, shadow.x, shadow.y, ETO_CLIPPED, &clipRect, text.c_str(), length, nullptr);
    const Point letters = CaptionLetterOrigin(layout);
    SetTextColor(dc, layout.LetterColour);
    ExtTextOutW(dc, letters.x, letters.y, ETO_CLIPPED, &clipRect, text.c_str(), length, nullptr);
}

// The title as the window holds it, in UTF-16, at most WindowTextUnits - 1 units.
std::wstring TitleOf(HWND window)
{
    wchar_t text[WindowTextUnits] = {};
    const int length = std::max(GetWindowTextW(window, text, WindowTextUnits), 0);
    return std::wstring(text, static_cast<size_t>(length));
}

// Composes the caption in the order the steps overlap: surface, text with its
// shadow, edge, grooves. Without a surface of ours the text goes over the
// system's background taken from `system`, when there is one. True when the
// surface step drew.
bool ComposeCaption(HDC memory, const CaptionLayout& layout, const CompositionBands& bands, const std::wstring& title,
                    bool withLines, HDC system)
{
    const Rect& caption = layout.CaptionRect;
    const bool drawn = PaintSurface(memory, layout);
    if (!drawn && system)
        BitBlt(memory, caption.left, caption.top, caption.width(), caption.height(), system, caption.left,
               caption.top, SRCCOPY);
    if (withLines) {
        {
            ui::Canvas canvas(memory);
            PaintCaptionText(canvas, layout, title);
        }
        GdiFlush();
        DrawLines({Composition.pixels(), Composition.width(), bands}, CaptionLines(layout));
    }
    return drawn;
}

// Publishes what the composition holds for `layout`: true when it changed.
bool PublishComposed(HWND window, const CaptionLayout& layout, const CompositionBands& bands,
                     const std::wstring& title)
{
    const std::vector<Rect> pieces = PublishedPieces(layout);
    if (pieces.empty())
        return false;
    const std::u16string units(title.begin(), title.end());
    const auto block = PublishedBlock(units, pieces, {Composition.pixels(), Composition.width(), bands});
    if (!block)
        return false;
    const Rect& frame = layout.WindowRect;
    const PublishedKey key{window, layout.IsActive, frame.width(), frame.height(), layout.Style, layout.ExStyle};
    return Publisher.publish(key, *block, static_cast<uint32_t>(std::min<size_t>(units.size(), PublishedTitleUnits)),
                             static_cast<uint32_t>(pieces.size()));
}

// The window repaints its own frame when its thread next gets to it, and the
// hook puts the new caption over the system's there: so the window's own copy
// of its pixels, which comes back whenever it is uncovered, holds ours too.
void RepaintOwnFrame(HWND window, const CaptionLayout& layout)
{
    RECT client{};
    POINT origin{};
    if (!GetClientRect(window, &client) || !ClientToScreen(window, &origin))
        return;
    const Rect& frame = layout.WindowRect;
    ui::RegionHandle outside(CreateRectRgn(frame.left - origin.x, frame.top - origin.y, frame.right - origin.x,
                                           frame.bottom - origin.y));
    ui::RegionHandle inside(CreateRectRgnIndirect(&client));
    CombineRgn(outside.get(), outside.get(), inside.get(), RGN_DIFF);
    RedrawWindow(window, nullptr, outside.get(), RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

// Both looks, the one composed already first; the other one is composed anew.
// Only looks with a surface of ours: the system's background of a look not
// shown cannot be known.
void PublishBothLooks(HWND window, HDC memory, const CaptionLayout& layout, const CompositionBands& bands,
                      const std::wstring& title)
{
    bool changed = PublishComposed(window, layout, bands, title);
    const CaptionLayout other = WithLook(window, layout, !layout.IsActive);
    if (ComposeCaption(memory, other, bands, title, true, nullptr))
        changed = PublishComposed(window, other, bands, title) || changed;
    if (changed)
        RepaintOwnFrame(window, layout);
}

// A window whose parent is the desktop is visible exactly when its own
// WS_VISIBLE bit is set; a child also needs all its ancestors shown.
bool IsShown(HWND window, uint32_t style)
{
    return (style & WS_CHILD) ? IsWindowVisible(window) != FALSE : (style & WS_VISIBLE) != 0;
}

// Whether the window is of class "tty" (exactly, case-sensitive), asked of the
// system once per window: a window's class never changes.
bool IsTty(HWND window)
{
    static std::unordered_map<HWND, bool> known;
    if (auto found = known.find(window); found != known.end())
        return found->second;
    char className[ClassNameBytes] = {};
    GetClassNameA(window, className, ClassNameBytes);
    if (known.size() >= KnownClassesLimit)
        known.clear();
    return known[window] = std::strcmp(className, "tty") == 0;
}

} // namespace

bool PaintChildrenThroughRoot = true;
bool PublishCaptions = true;

void PaintCaption(HWND window, bool fullRepaint) { PaintCaption(window, fullRepaint, StyleOf(window)); }

void PaintCaption(HWND window, bool fullRepaint, uint32_t style)
{
    if (!IsShown(window, style))
        return;
    if (IsTty(window))
        return;  // never painted
    if (!ExcludedPrograms.empty() && ExcludedPrograms.contains(ProgramFileNameOf(window))) {
        // A program the user leaves alone, its children too; the hook leaves
        // its system menu icon as it is.
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        Publisher.leaveAlone(process);
        return;
    }
    const WindowDpiContext dpiContext(window);  // its rectangle, metrics and DC at its own DPI
    const CaptionLayout layout = ComputeCaptionLayout(window, style);

    const CompositionBands bands = ComposedBands(layout);
    HDC memory = Composition.prepare(bands.top.width(), bands.height());
    if (!memory)
        return;
    const bool withLines = FontOf(layout).handle() != nullptr;  // without the font the later steps are left out
    ui::WindowDc dc = CaptionDc(window, layout, fullRepaint, withLines);
    if (!dc)
        return;
    const std::wstring title = withLines ? TitleOf(window) : std::wstring();
    const bool ownSurface = ComposeCaption(memory, layout, bands, title, withLines, dc.get());
    if (!IsShown(window, StyleOf(window)))
        return;  // hidden meanwhile: nothing is drawn on it
    // Only the pixels the steps set reach the window.
    BitBlt(dc.get(), 0, bands.top.top, bands.top.width(), bands.top.height(), memory, 0, 0, SRCCOPY);
    if (!bands.bottom.empty())
        BitBlt(dc.get(), 0, bands.bottom.top, bands.bottom.width(), bands.bottom.height(), memory, 0,
               bands.top.height(), SRCCOPY);
    if (fullRepaint && withLines && ownSurface && PublishCaptions && !(style & WS_CHILD) && Publisher.isOpen())
        PublishBothLooks(window, memory, layout, bands, title);
}

} // namespace lume
