// The program's side of the published captions: the named mapping, written
// slot by slot so that a reader never takes a half-written caption.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "hooklib/published_captions.h"
#include "painter/publication_ledger.h"
#include "ui/handles.h"

namespace lume {

// What a published caption is for.
struct PublishedKey {
    HWND window;
    bool active;
    int32_t width;
    int32_t height;
    uint32_t style;
    uint32_t exStyle;
};

class CaptionPublisher {
public:
    CaptionPublisher();
    ~CaptionPublisher();
    CaptionPublisher(const CaptionPublisher&) = delete;
    CaptionPublisher& operator=(const CaptionPublisher&) = delete;

    // Makes the mapping for the program whose main window is `owner`. False,
    // and nothing is ever published, when it cannot be made or another
    // program has it already.
    bool open(HWND owner);
    bool isOpen() const { return view_ != nullptr; }

    // Every published caption void at once (the settings or metrics changed).
    void withdrawAll();
    // Nothing published is valid any more (the program ends); the mapping
    // stays until the process ends.
    void close();

    // Publishes the block for `key`: true when it differs from what was
    // published for that window and look before.
    bool publish(const PublishedKey& key, const std::vector<uint8_t>& block, uint32_t titleLength,
                 uint32_t pieceCount);

    // The process of a window the user leaves alone; and the list started anew.
    void leaveAlone(DWORD process);
    void clearLeftAlone();
    // Captions of windows that are gone, given up.
    void forgetGone();

    uint32_t bytesInUse() const { return ledger_.bytesInUse(); }
    size_t captions() const { return ledger_.captions(); }

private:
    PublishedHeader* header() const { return static_cast<PublishedHeader*>(view_); }
    PublishedSlot* slot(uint32_t index) const;
    void emptySlots(const std::vector<uint32_t>& slots);
    void writeLeftAlone();

    ui::KernelHandle mapping_;
    void* view_ = nullptr;
    PublicationLedger ledger_;
    std::set<DWORD> leftAlone_;
};

// The program's one publisher, used by the painter.
extern CaptionPublisher Publisher;

} // namespace lume
