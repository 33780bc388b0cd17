#include "hooklib/classify.h"
#include "core/win_constants.h"

namespace lume {

using namespace win;

bool IsObservedMessage(uint32_t message) noexcept
{
    switch (message) {
    case WmCreate:
    case WmMove:
    case WmWindowPosChanged:
    case WmNcHitTest:
    case WmNcLButtonDown:
    case WmNcLButtonUp:
        return true;
    default:
        return IsCaptionRedrawn(message) || IsFrameRenderingChange(message);
    }
}

bool IsFrameRenderingChange(uint32_t message) noexcept
{
    return message == WmThemeChanged || message == WmDwmCompositionChanged || message == WmDwmNcRenderingChanged;
}

bool IsCaptionRedrawn(uint32_t message) noexcept
{
    switch (message) {
    case WmNcActivate:
    case WmNcPaint:
    case WmSetText:
    case WmActivate:
    case WmSetIcon:
    case WmInitMenu:
        return true;
    default:
        return false;
    }
}

bool IsHookedStyle(uint32_t style) noexcept
{
    // WsBorder alone passes: either caption bit will do. No WsChild test.
    return (style & WsVisible) != 0 && (style & WsCaption) != 0 &&
           (style & WsSysMenu) != 0 && (style & WsMinimize) == 0;
}

namespace {

// A top-level window of any style that is visible, or has just been hidden,
// was shown, hidden, moved, resized or re-ordered.
bool IsPlacementChange(uint32_t style, uint32_t windowPosFlags) noexcept
{
    if ((style & WsChild) != 0)
        return false;
    if ((windowPosFlags & SwpHideWindow) != 0)
        return true;
    return (style & WsVisible) != 0 &&
           ((windowPosFlags & SwpShowWindow) != 0 || (windowPosFlags & UnchangedPlacement) != UnchangedPlacement);
}

} // namespace

HookDecision ClassifyHookedMessage(uint32_t style, uint32_t message, intptr_t lResult,
                                   uint32_t windowPosFlags) noexcept
{
    constexpr HookDecision nothing{HookAction::Nothing, 0};
    constexpr HookDecision touched{HookAction::PostCaptionTouched, 0};
    // Of any style, and only ever the placement notice: the caption
    // notifications never look at this message, so a call posts at most once.
    if (message == WmWindowPosChanged)
        return IsPlacementChange(style, windowPosFlags) ? HookDecision{HookAction::PostPlacementChanged, windowPosFlags}
                                                        : nothing;
    if (!IsHookedStyle(style))
        return nothing;
    switch (message) {
    case WmSetText:
    case WmNcPaint:
    case WmNcActivate:
    case WmInitMenu:
        return {HookAction::PostCaptionChanged, message};
    case WmMove:
    case WmNcLButtonDown:
    case WmNcLButtonUp:
        return touched;
    case WmNcHitTest:
        if (lResult == HtCaption || (lResult >= HtLeft && lResult <= HtBottomRight))
            return touched;
        if (lResult == HtSysMenu)
            return {HookAction::RewriteToCaption, 0};
        return nothing;
    default:
        return nothing;
    }
}

} // namespace lume
