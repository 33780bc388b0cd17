#include <gtest/gtest.h>

#include <cstring>

#include "core/win_constants.h"
#include "hooklib/published_captions.h"
#include "painter/caption_publication.h"
#include "painter/publication_ledger.h"

using namespace lume;

namespace {

constexpr uint32_t Owner = 0x10020, OwnerProcess = 77, Window = 0x2004A;
constexpr uint32_t Sizable = win::WsVisible | win::WsCaption | win::WsSysMenu | win::WsThickFrame |
                             win::WsMinimizeBox | win::WsMaximizeBox;
const std::u16string Title = u"Caf\u00e9 \u2022 \ud55c";

// A mapping with one caption published the way the program does it.
struct Published {
    std::vector<uint8_t> mapping = std::vector<uint8_t>(PublishedDataStart + (1u << 20));
    CaptionLayout layout;
    std::vector<Rect> pieces;
    std::vector<uint32_t> composed;
    PublishedSlot slot{};

    Published()
    {
        const CaptionMetrics metrics = CaptionMetricsFrom({4, 4, 3, 3, 19, 15});
        layout = LayoutCaption(400, 300, Sizable, 0, metrics, CaptionSettings{}, true);
        pieces = PublishedPieces(layout);
        const CompositionBands bands = ComposedBands(layout);
        composed.resize(static_cast<size_t>(bands.top.width()) * bands.height());
        for (size_t i = 0; i < composed.size(); ++i)
            composed[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
        const auto block = PublishedBlock(Title, pieces, {composed.data(), bands.top.width(), bands});
        std::memcpy(mapping.data() + PublishedDataStart, block->data(), block->size());
        auto& header = *reinterpret_cast<PublishedHeader*>(mapping.data());
        header = {PublishedMagic, Owner, OwnerProcess, 5, 0, 0, {}};
        slot = {0, 5, Window, 1, 400, 300, Sizable, 0, static_cast<uint32_t>(Title.size()),
                static_cast<uint32_t>(pieces.size()), PublishedDataStart, static_cast<uint32_t>(block->size())};
        write();
    }
    void write(uint32_t probe = 0) { WritePublishedSlot(mapping.data(), PublishedSlotIndex(Window, true, probe), slot); }
    CaptionQuery query() const
    {
        return {Owner, OwnerProcess, Window, true, 400, 300, Sizable, 0,
                reinterpret_cast<const uint16_t*>(Title.data()), static_cast<uint32_t>(Title.size())};
    }
    uint32_t find(const CaptionQuery& q, TitleMatch titles = TitleMatch::Exact, uint32_t size = 0)
    {
        FoundPiece found[PublishedPieceLimit];
        return FindPublishedCaption(mapping.data(), size ? size : static_cast<uint32_t>(mapping.size()), q, titles,
                                    found);
    }
};

} // namespace

TEST(PublishedCaptions, TheHookFindsExactlyThePiecesAndPixelsPublished)
{
    Published p;
    // The pieces cover the caption in its edge and the grooves, never a protected button.
    ASSERT_GT(p.pieces.size(), 16u);
    for (const Rect& piece : p.pieces)
        for (const Rect& button : ProtectedButtonRects(p.layout))
            EXPECT_FALSE(Intersects(piece, button));
    FoundPiece found[PublishedPieceLimit];
    ASSERT_EQ(FindPublishedCaption(p.mapping.data(), static_cast<uint32_t>(p.mapping.size()), p.query(),
                                   TitleMatch::Exact, found),
              p.pieces.size());
    const CompositionBands bands = ComposedBands(p.layout);
    for (size_t i = 0; i < p.pieces.size(); ++i) {
        const Rect& piece = p.pieces[i];
        EXPECT_EQ((Rect{found[i].place.left, found[i].place.top, found[i].place.left + found[i].place.width,
                        found[i].place.top + found[i].place.height}),
                  piece);
        // The last pixel of each piece is the composition's at that place.
        uint32_t last = 0;
        std::memcpy(&last, p.mapping.data() + found[i].pixels + (piece.width() * piece.height() - 1) * 4, 4);
        EXPECT_EQ(last, p.composed[static_cast<size_t>(bands.rowOf(piece.bottom - 1)) * bands.top.width() +
                                   piece.right - 1]);
    }
    // Found further along its probe range too.
    EmptyPublishedSlot(p.mapping.data(), PublishedSlotIndex(Window, true, 0));
    p.write(3);
    EXPECT_EQ(p.find(p.query()), p.pieces.size());
}

TEST(PublishedCaptions, NothingIsFoundForAnotherWindowLookSizeStyleTitleOrProgram)
{
    Published p;
    const uint32_t size = static_cast<uint32_t>(p.mapping.size());
    EXPECT_TRUE(MayBePublished(p.mapping.data(), size, Owner, Window));
    EXPECT_FALSE(MayBePublished(p.mapping.data(), size, Owner, Window + 4));
    EXPECT_FALSE(MayBePublished(p.mapping.data(), size, Owner + 1, Window));
    auto q = p.query();
    const std::u16string other = u"Caf\u00e9 \u2022 \ud55d";
    for (auto change : std::initializer_list<void (*)(CaptionQuery&)>{
             [](CaptionQuery& c) { c.window += 4; }, [](CaptionQuery& c) { c.active = false; },
             [](CaptionQuery& c) { c.width = 401; }, [](CaptionQuery& c) { c.height = 299; },
             [](CaptionQuery& c) { c.style |= win::WsMinimize; }, [](CaptionQuery& c) { c.exStyle = 0x80; },
             [](CaptionQuery& c) { c.owner += 1; }, [](CaptionQuery& c) { c.ownerProcess += 1; },
             [](CaptionQuery& c) { c.titleLength -= 1; }}) {
        q = p.query();
        change(q);
        EXPECT_EQ(p.find(q), 0u);
    }
    // A title just changed: with any title allowed, the caption of the old one.
    q = p.query();
    q.title = reinterpret_cast<const uint16_t*>(other.data());
    EXPECT_EQ(p.find(q), 0u);
    EXPECT_EQ(p.find(q, TitleMatch::Any), p.pieces.size());
    // Withdrawn: a new epoch, or the program's end.
    auto& header = *reinterpret_cast<PublishedHeader*>(p.mapping.data());
    header.epoch = 6;
    EXPECT_EQ(p.find(p.query()), 0u);
    header.epoch = 0;
    p.slot.epoch = 0;
    p.write();
    EXPECT_EQ(p.find(p.query()), 0u);
}

TEST(PublishedCaptions, TheReaderTrustsNoSizeOffsetOrSequence)
{
    const auto rejects = [](void (*tamper)(Published&)) {
        Published p;
        tamper(p);
        return p.find(p.query()) == 0;
    };
    // Half written.
    EXPECT_TRUE(rejects([](Published& p) {
        reinterpret_cast<PublishedSlot*>(p.mapping.data() + PublishedSlotsStart)[PublishedSlotIndex(Window, true, 0)]
            .sequence |= 1;
    }));
    // The block out of the mapping, past its end, before the data area, unaligned, or wrapping around.
    EXPECT_TRUE(rejects([](Published& p) { p.slot.offset = static_cast<uint32_t>(p.mapping.size()) - 8, p.write(); }));
    EXPECT_TRUE(rejects([](Published& p) { p.slot.size = 0xFFFFFFF0u, p.write(); }));
    EXPECT_TRUE(rejects([](Published& p) { p.slot.offset = 64, p.write(); }));
    EXPECT_TRUE(rejects([](Published& p) { p.slot.offset += 2, p.write(); }));
    EXPECT_TRUE(rejects([](Published& p) { p.slot.offset = 0xFFFFFF00u, p.write(); }));
    // Too many pieces or title units, pieces or pixels beyond the block, a piece outside the window.
    EXPECT_TRUE(rejects([](Published& p) { p.slot.pieceCount = PublishedPieceLimit + 1, p.write(); }));
    EXPECT_TRUE(rejects([](Published& p) { p.slot.titleLength = PublishedTitleUnits + 1, p.write(); }));
    EXPECT_TRUE(rejects([](Published& p) { p.slot.size = 64, p.write(); }));
    EXPECT_TRUE(rejects([](Published& p) { p.slot.size -= 4, p.write(); }));
    EXPECT_TRUE(rejects([](Published& p) {
        auto* piece = reinterpret_cast<PublishedPiece*>(p.mapping.data() + PublishedDataStart +
                                                        PublishedTitleBytes(static_cast<uint32_t>(Title.size())));
        piece->left = 390;
    }));
    // A mapping smaller than its header and slots.
    Published p;
    EXPECT_EQ(p.find(p.query(), TitleMatch::Exact, PublishedDataStart - 1), 0u);
    // A title longer than its block, at the mapping's end: never read past it.
    const std::u16string longTitle(PublishedTitleUnits, u'x');
    auto q = p.query();
    q.title = reinterpret_cast<const uint16_t*>(longTitle.data());
    q.titleLength = PublishedTitleUnits;
    p.slot.titleLength = PublishedTitleUnits;
    p.slot.offset = static_cast<uint32_t>(p.mapping.size()) - 8;
    p.slot.size = 8;
    p.write();
    EXPECT_EQ(p.find(q), 0u);
}

TEST(PublishedCaptions, ProcessesLeftAloneAreListedWhole)
{
    Published p;
    std::vector<uint32_t> processes(PublishedExcludedCount + 10);
    for (uint32_t i = 0; i < processes.size(); ++i)
        processes[i] = 1000 + i;
    WriteLeftAlone(p.mapping.data(), processes);
    const auto alone = [&](uint32_t process, uint32_t owner = Owner) {
        return IsPublishedLeftAlone(p.mapping.data(), static_cast<uint32_t>(p.mapping.size()), owner, OwnerProcess,
                                    process);
    };
    EXPECT_TRUE(alone(1000));
    EXPECT_TRUE(alone(1000 + PublishedExcludedCount - 1));
    EXPECT_FALSE(alone(1000 + PublishedExcludedCount));  // past what the list holds
    EXPECT_FALSE(alone(1000, Owner + 1));
    auto& header = *reinterpret_cast<PublishedHeader*>(p.mapping.data());
    header.excludedCount = 0xFFFFFFFF;  // clamped, never read past the list
    EXPECT_TRUE(alone(1001));
    header.excludedSequence |= 1;
    EXPECT_FALSE(alone(1001));
}

TEST(PublicationLedger, SlotsAndSpaceAreReusedOnlyWhenNoReaderCanBeUsingThem)
{
    PublicationLedger ledger(4096, 4096 + 1000);
    const auto first = ledger.place(Window, true, 400, 0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->slot, PublishedSlotIndex(Window, true, 0));
    // Republished: the same slot, fresh space; the old block stays untouched a while.
    const auto second = ledger.place(Window, true, 400, 10);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->slot, first->slot);
    EXPECT_NE(second->offset, first->offset);
    EXPECT_FALSE(ledger.place(Window, true, 400, 20));  // 200 bytes free, the old 400 in quarantine
    const auto third = ledger.place(Window, true, 400, 20 + PublicationLedger::QuarantineMs);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->offset, first->offset);
    EXPECT_EQ(ledger.bytesInUse(), 400u);
    // Out of space: the oldest captions of other windows are given up, their slots emptied.
    const auto other = ledger.place(Window + 4, false, 200, 3000);
    ASSERT_TRUE(other);
    EXPECT_FALSE(ledger.place(Window + 8, true, 600, 3000));
    EXPECT_EQ(ledger.takeEmptied(), (std::vector<uint32_t>{third->slot, other->slot}));
    EXPECT_TRUE(ledger.place(Window + 8, true, 600, 3000 + PublicationLedger::QuarantineMs));
    // A window gone: its captions go; withdrawn: all of them.
    ASSERT_TRUE(ledger.place(Window + 4, false, 100, 5000));
    ledger.forget(Window + 4, 5000);
    EXPECT_EQ(ledger.takeEmptied(), std::vector<uint32_t>{PublishedSlotIndex(Window + 4, false, 0)});
    EXPECT_EQ(ledger.windows(), std::vector<uint32_t>{Window + 8});
    ledger.clear(5000);
    EXPECT_EQ(ledger.captions(), 0u);
    EXPECT_TRUE(ledger.takeEmptied().empty());
}
