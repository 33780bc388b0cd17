// The hook procedure's whole decision, as a pure function of the observed
// window's style, the message number, the window procedure's result and,
// for WM_WINDOWPOSCHANGED, the flags of its WINDOWPOS.
#pragma once
#include <cstdint>

#include "core/win_constants.h"

namespace lume {

enum class HookAction : uint8_t {
    Nothing,
    PostCaptionChanged,  // UM_CAPTIONCHANGED, wParam = the observed message
    PostCaptionTouched,  // UM_CAPTIONTOUCHED, wParam = 0
    RewriteToCaption,    // lResult := HTCAPTION, nothing posted
    PostPlacementChanged,  // UM_WINDOWPOSCHANGED, wParam = the WINDOWPOS flags
};

struct HookDecision {
    HookAction action;
    uint32_t wParam;  // of the notification to post
    bool operator==(const HookDecision&) const = default;
};

// True for the messages the hook looks at at all: every other message is
// passed on at once, at the cost of a hook that does nothing.
bool IsObservedMessage(uint32_t message) noexcept;

// True for the messages after which the window manager may have begun or
// ceased to draw the window's frame itself.
bool IsFrameRenderingChange(uint32_t message) noexcept;

// True for the messages after which the system may have drawn the caption anew.
bool IsCaptionRedrawn(uint32_t message) noexcept;

// True for a visible, non-minimised window with a caption bit and a system menu.
bool IsHookedStyle(uint32_t style) noexcept;

// The flags of a WM_WINDOWPOSCHANGED that came without its WINDOWPOS, and
// of every other message: nothing shown, hidden, moved, resized or re-ordered.
constexpr uint32_t UnchangedPlacement = win::SwpNoSize | win::SwpNoMove | win::SwpNoZOrder;

// A captioned window's messages (IsHookedStyle) post a caption notification
// or rewrite a hit test. WM_WINDOWPOSCHANGED of a window of any style posts
// the placement notice when the window is top-level and visible, or has just
// been hidden, and was shown, hidden, moved, resized or re-ordered: what it
// covers on the screen may have changed.
HookDecision ClassifyHookedMessage(uint32_t style, uint32_t message, intptr_t lResult,
                                   uint32_t windowPosFlags = UnchangedPlacement) noexcept;

} // namespace lume
