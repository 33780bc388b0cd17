// The tray tip as the shell's 64-byte field holds it.
#pragma once
#include <string>
#include <string_view>

#include "core/lead_bytes.h"

namespace lume::ui {

constexpr size_t TrayTipBytes = 63;  // the field's 64 bytes less the terminator

// At most 63 bytes, never ending in half a cp932 character.
inline std::string TrayTipText(std::string_view tip)
{
    size_t end = 0;
    while (end < tip.size()) {
        size_t width = IsCp932LeadByte(static_cast<unsigned char>(tip[end])) && end + 1 < tip.size() ? 2 : 1;
        if (end + width > TrayTipBytes)
            break;
        end += width;
    }
    return std::string(tip.substr(0, end));
}

} // namespace lume::ui
