// A composed caption as the program publishes it for the hook: the pieces of
// the window it sets, and the block of bytes that carries them.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "core/geometry.h"
#include "hooklib/published_captions.h"
#include "painter/caption_composition.h"
#include "painter/caption_layout.h"

namespace lume {

// The pixels a full repaint sets, less the protected buttons, as rectangles
// inside the window and the composed bands; none when there are more than the
// published format carries.
std::vector<Rect> PublishedPieces(const CaptionLayout& layout);

// The block of a published caption: the title's UTF-16 units (at most the
// format's limit, padded to 4 bytes), the pieces, then each piece's pixels
// taken from the composition. None when a piece lies outside the bands.
std::optional<std::vector<uint8_t>> PublishedBlock(const std::u16string& title, const std::vector<Rect>& pieces,
                                                   const BandPixels& composed);

// Writes a slot's fields, its sequence odd meanwhile, so that a reader never
// takes a half-written slot; `fields.sequence` is not looked at.
void WritePublishedSlot(uint8_t* mapping, uint32_t index, const PublishedSlot& fields) noexcept;
// Empties a slot: a reader in the middle of it drops what it read.
void EmptyPublishedSlot(uint8_t* mapping, uint32_t index) noexcept;
// Writes the list of processes left alone (at most the format's limit), its
// sequence odd meanwhile.
void WriteLeftAlone(uint8_t* mapping, const std::vector<uint32_t>& processes) noexcept;

} // namespace lume
