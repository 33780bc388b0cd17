#include "painter/caption_publisher.h"

#include <cstring>

#include "hooklib/hook_protocol.h"
#include "painter/caption_publication.h"

namespace lume {

namespace {

void Store(uint32_t& field, uint32_t value) { __atomic_store_n(&field, value, __ATOMIC_RELEASE); }

uint32_t Field(HWND window) { return HandleToField(reinterpret_cast<uintptr_t>(window)); }

} // namespace

CaptionPublisher Publisher;

CaptionPublisher::CaptionPublisher() : ledger_(PublishedDataStart, PublishedCaptionsBytes) {}

CaptionPublisher::~CaptionPublisher()
{
    if (view_)
        UnmapViewOfFile(view_);
}

bool CaptionPublisher::open(HWND owner)
{
    if (view_)
        return true;
    // The paging file backs it: only the pages written take memory.
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, PublishedCaptionsBytes,
                                        PublishedCaptionsName);
    if (!mapping)
        return false;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {  // another copy of the program publishes there
        CloseHandle(mapping);
        return false;
    }
    mapping_.reset(mapping);
    view_ = MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0);
    if (!view_) {
        mapping_.reset();
        return false;
    }
    header()->magic = PublishedMagic;
    header()->owner = Field(owner);
    header()->ownerProcess = GetCurrentProcessId();
    Store(header()->epoch, 1);
    return true;
}

PublishedSlot* CaptionPublisher::slot(uint32_t index) const
{
    return reinterpret_cast<PublishedSlot*>(static_cast<uint8_t*>(view_) + PublishedSlotsStart) + index;
}

void CaptionPublisher::withdrawAll()
{
    if (!view_)
        return;
    const uint32_t next = header()->epoch + 1;
    Store(header()->epoch, next == 0 ? 1 : next);
    ledger_.clear(GetTickCount());
}

void CaptionPublisher::close()
{
    if (!view_)
        return;
    Store(header()->epoch, 0);
    ledger_.clear(GetTickCount());
}

bool CaptionPublisher::publish(const PublishedKey& key, const std::vector<uint8_t>& block, uint32_t titleLength,
                               uint32_t pieceCount)
{
    if (!view_ || header()->epoch == 0 || block.empty() || block.size() > PublishedCaptionsBytes)
        return false;
    const uint32_t window = Field(key.window);
    auto* base = static_cast<uint8_t*>(view_);
    if (const PublicationLedger::Entry* held = ledger_.find(window, key.active)) {
        const PublishedSlot& s = *slot(held->slot);
        if (held->size == block.size() && s.width == key.width && s.height == key.height && s.style == key.style &&
            s.exStyle == key.exStyle && s.titleLength == titleLength && s.pieceCount == pieceCount &&
            std::memcmp(base + held->offset, block.data(), block.size()) == 0)
            return false;  // published as it is already
    }
    const uint32_t now = GetTickCount();
    const auto placed = ledger_.place(window, key.active, static_cast<uint32_t>(block.size()), now);
    emptySlots(ledger_.takeEmptied());
    if (!placed) {
        forgetGone();
        return false;
    }
    // The block first, in space no reader is using; then the slot.
    std::memcpy(base + placed->offset, block.data(), block.size());
    WritePublishedSlot(base, placed->slot,
                       {0, header()->epoch, window, key.active ? 1u : 0u, key.width, key.height, key.style,
                        key.exStyle, titleLength, pieceCount, placed->offset, static_cast<uint32_t>(block.size())});
    return true;
}

void CaptionPublisher::emptySlots(const std::vector<uint32_t>& slots)
{
    for (uint32_t index : slots)
        EmptyPublishedSlot(static_cast<uint8_t*>(view_), index);
}

void CaptionPublisher::leaveAlone(DWORD process)
{
    if (!view_ || !leftAlone_.insert(process).second)
        return;
    writeLeftAlone();
}

void CaptionPublisher::clearLeftAlone()
{
    if (!view_ || leftAlone_.empty())
        return;
    leftAlone_.clear();
    writeLeftAlone();
}

void CaptionPublisher::writeLeftAlone()
{
    // More programs left alone than the list holds: the rest keep the rewrite.
    WriteLeftAlone(static_cast<uint8_t*>(view_), {leftAlone_.begin(), leftAlone_.end()});
}

void CaptionPublisher::forgetGone()
{
    const uint32_t now = GetTickCount();
    for (uint32_t window : ledger_.windows())
        if (!IsWindow(reinterpret_cast<HWND>(FieldToHandle(window))))
            ledger_.forget(window, now);
    emptySlots(ledger_.takeEmptied());
}

} // namespace lume
