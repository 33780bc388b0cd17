// The hook procedure's whole decision, as a pure function of the observed
// window's style, the message number and the window procedure's result.
#pragma once
#include <cstdint>

namespace lume {

enum class HookAction : uint8_t {
    Nothing,
    PostCaptionChanged,  // UM_CAPTIONCHANGED, wParam = the observed message
    PostCaptionTouched,  // UM_CAPTIONTOUCHED, wParam = 0
    RewriteToCaption,    // lResult := HTCAPTION, nothing posted
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

HookDecision ClassifyHookedMessage(uint32_t style, uint32_t message, intptr_t lResult) noexcept;

// For WM_WINDOWPOSCHANGED: true when a top-level window of any style that is
// visible, or has just been hidden, was shown, hidden, moved, resized or
// re-ordered: what it covers on the screen may have changed.
bool IsPlacementChange(uint32_t style, uint32_t windowPosFlags) noexcept;

} // namespace lume
