#include "settings/options_path.h"

namespace lume {

std::string OptionsFilePathFor(std::string_view programPath, LeadByteRule isLead)
{
    size_t extension = std::string_view::npos;
    for (size_t i = 0; i < programPath.size(); ++i) {
        char c = programPath[i];
        if (isLead(static_cast<unsigned char>(c)) && i + 1 < programPath.size()) {
            ++i;  // step over the trail byte
        } else if (c == '.') {
            extension = i;
        } else if (c == '\\' || c == ':') {
            extension = std::string_view::npos;
        }
    }
    std::string path(programPath.substr(0, extension));
    return path + ".ini";
}

} // namespace lume
