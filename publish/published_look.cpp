// The hook's reader of a published look. It runs inside every process on the
// desktop: no C runtime, every field read once and checked before use.
#include "publish/published_look.h"

#include <cstddef>

namespace lume {

namespace {

uint32_t Load(const uint8_t* view, uint64_t offset) noexcept
{
    return __atomic_load_n(reinterpret_cast<const uint32_t*>(view + offset), __ATOMIC_RELAXED);
}

int32_t LoadInt(const uint8_t* view, uint64_t offset) noexcept { return static_cast<int32_t>(Load(view, offset)); }

uint16_t LoadUnit(const uint8_t* view, uint64_t offset) noexcept
{
    return __atomic_load_n(reinterpret_cast<const uint16_t*>(view + offset), __ATOMIC_RELAXED);
}

int32_t Clamped(int32_t value, int32_t low, int32_t high) noexcept
{
    return value < low ? low : value > high ? high : value;
}

int32_t Shift(const uint8_t* view, uint64_t offset) noexcept
{
    return Clamped(LoadInt(view, offset), -LookShiftLimit, LookShiftLimit);
}

bool ReadSurface(const uint8_t* view, uint32_t size, uint32_t index, LookSurface& surface) noexcept
{
    const uint64_t at = offsetof(PublishedLook, surfaces) + index * sizeof(PublishedSurface);
    const uint32_t kind = Load(view, at + offsetof(PublishedSurface, kind));
    surface = {};
    if (kind == static_cast<uint32_t>(SurfaceKind::Default))
        return true;  // no pixels of ours
    const int32_t width = LoadInt(view, at + offsetof(PublishedSurface, width));
    const int32_t height = LoadInt(view, at + offsetof(PublishedSurface, height));
    const uint32_t pixels = Load(view, at + offsetof(PublishedSurface, pixels));
    if (kind == static_cast<uint32_t>(SurfaceKind::Gradation)) {
        if (width != GradientWidth || height != GradientHeight)
            return false;
    } else if (kind != static_cast<uint32_t>(SurfaceKind::Texture) || width <= 0 || height <= 0 ||
               width > LookTextureWidthLimit || height > LookTextureHeightLimit) {
        return false;
    }
    const uint64_t bytes = static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4u;
    if (pixels % 4 != 0 || pixels < sizeof(PublishedLook) || pixels + bytes > size)
        return false;
    surface = {static_cast<SurfaceKind>(kind), width, height, pixels};
    return true;
}

// A LOGFONTW's bytes with its sizes kept sane and its face name ended.
void ReadFont(const uint8_t* view, uint32_t index, LookCopy& copy) noexcept
{
    const uint64_t at = offsetof(PublishedLook, fonts) + index * LookFontBytes;
    uint8_t any = 0;
    for (uint32_t i = 0; i < LookFontBytes; ++i)
        any |= copy.fonts[index][i] = __atomic_load_n(view + at + i, __ATOMIC_RELAXED);
    copy.hasFont[index] = any != 0;
    uint8_t* font = copy.fonts[index];
    auto clampAt = [font](uint32_t offset, int32_t low, int32_t high) {
        int32_t value = static_cast<int32_t>(font[offset] | font[offset + 1] << 8 | font[offset + 2] << 16 |
                                             static_cast<uint32_t>(font[offset + 3]) << 24);
        value = Clamped(value, low, high);
        for (uint32_t i = 0; i < 4; ++i)
            font[offset + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
    };
    clampAt(0, -1024, 1024);  // lfHeight
    clampAt(4, -1024, 1024);  // lfWidth
    clampAt(16, 0, 1000);  // lfWeight
    font[LookFontBytes - 2] = font[LookFontBytes - 1] = 0;  // the face name's last unit
}

uint16_t AsciiLower(uint16_t unit) noexcept { return unit >= 'A' && unit <= 'Z' ? unit + ('a' - 'A') : unit; }

} // namespace

bool ReadPublishedLook(const uint8_t* view, uint64_t viewSize, uint32_t owner, uint32_t ownerProcess,
                       LookCopy& copy) noexcept
{
    if (!view || viewSize < sizeof(PublishedLook))
        return false;
    const uint32_t size = Load(view, offsetof(PublishedLook, size));
    if (Load(view, offsetof(PublishedLook, magic)) != LookMagic ||
        Load(view, offsetof(PublishedLook, version)) != LookFormatVersion || size < sizeof(PublishedLook) ||
        size > viewSize || size > LookSizeLimit || Load(view, offsetof(PublishedLook, owner)) != owner ||
        Load(view, offsetof(PublishedLook, ownerProcess)) != ownerProcess)
        return false;
    copy = {};
    copy.generation = Load(view, offsetof(PublishedLook, generation));
    CommonSettings& common = copy.common;
    common.NormalXShift = Shift(view, offsetof(PublishedLook, normalXShift));
    common.NormalYShift = Shift(view, offsetof(PublishedLook, normalYShift));
    common.ToolXShift = Shift(view, offsetof(PublishedLook, toolXShift));
    common.ToolYShift = Shift(view, offsetof(PublishedLook, toolYShift));
    common.ShadowShift = Shift(view, offsetof(PublishedLook, shadowShift));
    common.NoButtons = Load(view, offsetof(PublishedLook, noButtons)) != 0;
    common.NoCloseButton = Load(view, offsetof(PublishedLook, noCloseButton)) != 0;
    const uint32_t composed = Load(view, offsetof(PublishedLook, composed));
    common.Composed = composed <= static_cast<uint32_t>(ComposedFrames::Leave) ? static_cast<ComposedFrames>(composed)
                                                                                : ComposedFrames::Tint;
    for (uint32_t look = 0; look < 2; ++look) {
        copy.colours[look].Letter = Load(view, offsetof(PublishedLook, letter) + 4 * look) & 0xFFFFFFu;
        copy.colours[look].Shadow = Load(view, offsetof(PublishedLook, shadow) + 4 * look) & 0xFFFFFFu;
        const uint32_t tint = Load(view, offsetof(PublishedLook, tint) + 4 * look);
        copy.tint[look] = tint == SystemFrameColour ? tint : tint & 0xFFFFFFu;
        if (!ReadSurface(view, size, look, copy.surfaces[look]))
            return false;
        ReadFont(view, look, copy);
    }
    int32_t metric[7];
    for (uint32_t i = 0; i < 7; ++i)
        metric[i] = Clamped(LoadInt(view, offsetof(PublishedLook, metrics) + 4 * i), 0, 512);
    copy.metrics = {metric[0], metric[1], metric[2], metric[3], metric[4], metric[5], metric[6] ? metric[6] : 96};
    copy.leftAloneCount = Load(view, offsetof(PublishedLook, leftAloneCount));
    copy.leftAloneOffset = Load(view, offsetof(PublishedLook, leftAloneOffset));
    copy.leftAloneBytes = Load(view, offsetof(PublishedLook, leftAloneBytes));
    if (copy.leftAloneCount > LookLeftAloneLimit)
        return false;
    if (copy.leftAloneCount > 0 &&
        (copy.leftAloneOffset % 2 != 0 || copy.leftAloneOffset < sizeof(PublishedLook) ||
         static_cast<uint64_t>(copy.leftAloneOffset) + copy.leftAloneBytes > size))
        return false;
    return true;
}

bool IsLookRetired(const uint8_t* view) noexcept
{
    return __atomic_load_n(reinterpret_cast<const uint32_t*>(view + offsetof(PublishedLook, retired)),
                           __ATOMIC_ACQUIRE) != 0;
}

bool LeavesProgramAlone(const uint8_t* view, const LookCopy& copy, const uint16_t* name, uint32_t length) noexcept
{
    uint64_t at = copy.leftAloneOffset;
    const uint64_t end = at + copy.leftAloneBytes;
    for (uint32_t n = 0; n < copy.leftAloneCount && at + 2 <= end; ++n) {
        const uint32_t units = LoadUnit(view, at);
        at += 2;
        if (units > LookNameUnits || at + 2u * units > end)
            return false;
        bool same = units == length;
        for (uint32_t i = 0; same && i < units; ++i)
            same = AsciiLower(LoadUnit(view, at + 2u * i)) == AsciiLower(name[i]);
        if (same)
            return true;
        at += 2u * units;
    }
    return false;
}

uint32_t FileNameStart(const uint16_t* path, uint32_t length) noexcept
{
    uint32_t start = 0;
    for (uint32_t i = 0; i < length; ++i)
        if (path[i] == '\\' || path[i] == '/')
            start = i + 1;
    return start;
}

} // namespace lume
