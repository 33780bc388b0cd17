#include "hooklib/look_hold.h"

#include "core/win_handles.h"
#include "hooklib/hook_protocol.h"
#include "hooklib/sound_section.h"

namespace lume {

namespace {

constexpr uint32_t PathUnits = 520;
constexpr DWORD MissForgottenAfter = 1000;  // milliseconds

// The process's holds: one per process, for the library is loaded once into each.
constinit LookHold KeptHolds[2]{};

// The source DC's own bitmap put back, then the DC deleted.
void DropSourceDc(LookHold& hold) noexcept
{
    const win::MemoryDcHandle source(std::exchange(hold.sourceDc, nullptr));
    const auto original = win::SelectedObject::TakenOver(source.get(), std::exchange(hold.sourceOriginal, nullptr));
}

void DropObjects(LookHold& hold) noexcept
{
    hold.composition.release();
    win::CloseKept<win::GdiObject<HRGN>>(hold.clip);
    hold.lastWindow = nullptr;
    hold.metricsDpi = 0;
    DropSourceDc(hold);
    for (int i = 0; i < 2; ++i) {
        win::CloseKept<win::GdiObject<HBITMAP>>(hold.surfaces[i]);
        win::CloseKept<win::GdiObject<HFONT>>(hold.fonts[i]);
    }
    hold.built = false;
    hold.leftAlone = LookHold::Alone::Unasked;
}

void DropLook(LookHold& hold) noexcept
{
    DropObjects(hold);
    win::CloseKept<win::MappedView<const uint8_t>>(hold.view);
    hold.viewSize = 0;
}

// A handle of the program's own process, duplicated out of it for reading a section.
win::KernelHandle DuplicatedSection(HANDLE section, DWORD programProcess) noexcept
{
    const win::KernelHandle program(OpenProcess(PROCESS_DUP_HANDLE, FALSE, programProcess));
    HANDLE local = nullptr;
    if (!program || !DuplicateHandle(program.get(), section, GetCurrentProcess(), &local,
                                     FILE_MAP_READ | SECTION_QUERY, FALSE, 0))
        return {};
    return win::KernelHandle(local);
}

// The section the program named in its main window's property: a handle of
// the program's own process, duplicated out of it and mapped read-only, when
// it is certainly not a file's and holds a look's header; its size in `size`.
win::MappedView<const uint8_t> MapProgramLook(HANDLE section, DWORD programProcess, SIZE_T& size) noexcept
{
    if (!section)
        return {};
    const win::KernelHandle local = DuplicatedSection(section, programProcess);
    if (!local)
        return {};
    // The view keeps the section when the handle is closed.
    return win::ViewAs<const uint8_t>(MapSoundView(local.get(), FILE_MAP_READ, sizeof(PublishedLook), size));
}

bool TakeLook(LookHold& hold, HWND mainWindow, HANDLE section, uint32_t owner) noexcept
{
    DWORD programProcess = 0;
    if (!section || !GetWindowThreadProcessId(mainWindow, &programProcess))
        return false;
    SIZE_T size = 0;
    win::MappedView<const uint8_t> view = MapProgramLook(section, programProcess, size);
    if (!view || !ReadPublishedLook(view.get(), size, owner, programProcess, hold.look))
        return false;
    hold.view = view.release();
    hold.viewSize = size;
    return true;
}

HBITMAP SurfaceBitmap(const uint8_t* view, const LookSurface& surface) noexcept
{
    if (surface.kind == SurfaceKind::Default)
        return nullptr;
    uint32_t* pixels = nullptr;
    HBITMAP bitmap = NewDibSection(surface.width, surface.height, &pixels);
    if (!bitmap)
        return nullptr;
    const uint32_t count = static_cast<uint32_t>(surface.width) * static_cast<uint32_t>(surface.height);
    const uint32_t* from = reinterpret_cast<const uint32_t*>(view + surface.pixels);
    for (uint32_t i = 0; i < count; ++i)
        pixels[i] = __atomic_load_n(from + i, __ATOMIC_RELAXED);
    return bitmap;
}

bool Build(LookHold& hold) noexcept
{
    hold.sourceDc = CreateCompatibleDC(nullptr);
    if (!hold.sourceDc)
        return false;
    for (int i = 0; i < 2; ++i) {
        hold.surfaces[i] = SurfaceBitmap(hold.view, hold.look.surfaces[i]);
        if (hold.look.hasFont[i])
            hold.fonts[i] = CreateFontIndirectW(reinterpret_cast<const LOGFONTW*>(hold.look.fonts[i]));
    }
    hold.built = true;
    return true;
}

// A kept hold not in use whose look is no longer `owner`'s current one gives it back.
void DropRetiredElsewhere(const LookHold& claimed, uint32_t owner) noexcept
{
    for (LookHold& kept : KeptHolds) {
        if (&kept == &claimed || InterlockedCompareExchange(&kept.busy, 1, 0) != 0)
            continue;
        if (kept.view && (kept.owner != owner || IsLookRetired(kept.view)))
            DropLook(kept);
        InterlockedExchange(&kept.busy, 0);
    }
}

} // namespace

ClaimedHold::ClaimedHold() noexcept : hold_(nullptr), own_{}
{
    for (LookHold& kept : KeptHolds)
        if (InterlockedCompareExchange(&kept.busy, 1, 0) == 0) {
            hold_ = &kept;
            return;
        }
    hold_ = &own_;
}

ClaimedHold::~ClaimedHold()
{
    if (hold_ == &own_)
        DropLook(own_);
    else
        InterlockedExchange(&hold_->busy, 0);
}

LookHold* ClaimedHold::withLook(uint32_t owner) noexcept
{
    LookHold& hold = *hold_;
    if (hold.view && (hold.owner != owner || IsLookRetired(hold.view)))
        DropLook(hold);  // replaced, withdrawn, or another program's
    DropRetiredElsewhere(hold, owner);
    if (!hold.view) {
        HWND mainWindow = reinterpret_cast<HWND>(FieldToHandle(owner));
        HANDLE section = GetPropA(mainWindow, LookPropertyName);
        const DWORD now = GetTickCount();
        if (hold.missed && hold.owner == owner && hold.missedSection == section &&
            now - hold.missedAt < MissForgottenAfter)
            return nullptr;
        hold.owner = owner;
        hold.missed = !TakeLook(hold, mainWindow, section, owner);
        hold.missedSection = section;
        hold.missedAt = now;
        if (hold.missed)
            return nullptr;
    }
    if (!hold.built && !Build(hold)) {
        DropObjects(hold);
        return nullptr;
    }
    return &hold;
}

bool IsProgramLeftAlone(LookHold& hold) noexcept
{
    if (hold.leftAlone == LookHold::Alone::Unasked) {
        wchar_t path[PathUnits];
        const DWORD length = GetModuleFileNameW(nullptr, path, PathUnits);
        const auto* units = reinterpret_cast<const uint16_t*>(path);
        const uint32_t start = FileNameStart(units, length < PathUnits ? length : 0);
        const bool alone = length > 0 && length < PathUnits &&
                           LeavesProgramAlone(hold.view, hold.look, units + start, length - start);
        hold.leftAlone = alone ? LookHold::Alone::Yes : LookHold::Alone::No;
    }
    return hold.leftAlone == LookHold::Alone::Yes;
}

void ReleaseKeptHolds() noexcept
{
    for (LookHold& kept : KeptHolds)
        DropLook(kept);
}

} // namespace lume
