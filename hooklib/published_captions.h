// The captions the program publishes for the hook to put on windows in their
// own threads: a second named mapping beside the 8-byte record. Any process
// on the desktop can write it, so the reader trusts nothing it finds there.
//
// Layout, little-endian, every field 32 bits:
//   PublishedHeader at 0; PublishedSlotCount slots of PublishedSlot after it;
//   data blocks from PublishedDataStart to the end of the mapping.
// A slot names a block: the window's title (UTF-16 units, padded to 4 bytes),
// then its pieces, then each piece's pixels (0x00RRGGBB, top-down rows).
#pragma once
#include <cstdint>

namespace lume {

constexpr char PublishedCaptionsName[] = "LUMECAPTIONS";
// The mapping's fixed ceiling.
constexpr uint32_t PublishedCaptionsBytes = 16u << 20;
constexpr uint32_t PublishedMagic = 0x434D554Cu;  // "LUMC"
constexpr uint32_t PublishedSlotCount = 1024;
// Slots looked at for one (window, look), from its hashed place on.
constexpr uint32_t PublishedProbeLength = 8;
constexpr uint32_t PublishedExcludedCount = 256;
constexpr uint32_t PublishedTitleUnits = 256;
constexpr uint32_t PublishedPieceLimit = 64;
constexpr int32_t PublishedSideLimit = 16384;

struct PublishedHeader {
    uint32_t magic;
    uint32_t owner;  // the publishing program's main window, as in the 8-byte record
    uint32_t ownerProcess;  // and its process: a window handle of a dead program may come back
    uint32_t epoch;  // 0: nothing published is valid; a slot of another epoch is void
    uint32_t excludedSequence;  // odd while the list below is written
    uint32_t excludedCount;
    uint32_t excluded[PublishedExcludedCount];  // processes left alone
};

struct PublishedSlot {
    uint32_t sequence;  // 0: empty; odd: being written; even: complete
    uint32_t epoch;
    uint32_t window;
    uint32_t active;  // the look: 1 active, 0 inactive
    int32_t width;  // of the window's rectangle
    int32_t height;
    uint32_t style;
    uint32_t exStyle;
    uint32_t titleLength;  // in UTF-16 units
    uint32_t pieceCount;
    uint32_t offset;  // of the block, from the mapping's start
    uint32_t size;  // of the block in bytes
};

// A rectangle of the window's own coordinates whose pixels the block holds.
struct PublishedPiece {
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
};

constexpr uint32_t PublishedSlotsStart = (sizeof(PublishedHeader) + 63u) & ~63u;
constexpr uint32_t PublishedDataStart =
    (PublishedSlotsStart + PublishedSlotCount * static_cast<uint32_t>(sizeof(PublishedSlot)) + 4095u) & ~4095u;
static_assert(sizeof(PublishedSlot) == 48 && sizeof(PublishedPiece) == 16);

// The bytes of a block's title part: the units, padded to 4 bytes.
constexpr uint32_t PublishedTitleBytes(uint32_t units) noexcept { return (units * 2u + 3u) & ~3u; }

// The slot of the probe-th place for (window, look).
constexpr uint32_t PublishedSlotIndex(uint32_t window, bool active, uint32_t probe) noexcept
{
    const uint32_t hash = (window >> 2) * 2654435761u + (active ? 1u : 0u);
    return (hash + probe) % PublishedSlotCount;
}

// What the hook knows of the window it is about to put a caption on.
struct CaptionQuery {
    uint32_t owner;  // the 8-byte record's main window
    uint32_t ownerProcess;  // the process of that window
    uint32_t window;
    bool active;
    int32_t width;
    int32_t height;
    uint32_t style;
    uint32_t exStyle;
    const uint16_t* title;
    uint32_t titleLength;
};

// A piece checked to lie within the mapping, with where its pixels start.
struct FoundPiece {
    PublishedPiece place;
    uint32_t pixels;  // offset from the mapping's start
};

enum class TitleMatch : uint8_t { Exact, Any };

// Finds the complete caption published for the query's window and look, of
// the query's size and styles, in the current epoch of the query's owner.
// With TitleMatch::Any a caption of another title will do (the title has just
// changed and the program's paint of the new one is on its way). Gives the
// number of pieces copied to `found`, every one checked against `mappingSize`;
// 0 when nothing fits.
uint32_t FindPublishedCaption(const uint8_t* mapping, uint32_t mappingSize, const CaptionQuery& query,
                              TitleMatch titles, FoundPiece (&found)[PublishedPieceLimit]) noexcept;

// True when a caption for the window, in either look, may be published: the
// one look the hook takes before it asks anything of the system.
bool MayBePublished(const uint8_t* mapping, uint32_t mappingSize, uint32_t owner, uint32_t window) noexcept;

// True when the owner's list of processes left alone holds `processId`.
bool IsPublishedLeftAlone(const uint8_t* mapping, uint32_t mappingSize, uint32_t owner, uint32_t ownerProcess,
                          uint32_t processId) noexcept;

} // namespace lume
