#include "core/lead_bytes.h"

namespace lume {

bool IsCp932LeadByte(unsigned char byte) noexcept
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsNeverLeadByte(unsigned char) noexcept { return false; }

} // namespace lume
