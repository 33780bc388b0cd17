#include "ui/application_title.h"

namespace lume {

std::string ApplicationTitleFor(std::string_view programPath, LeadByteRule isLead)
{
    // The name starts after the last separator and ends at the last dot,
    // both found on character boundaries.
    size_t nameStart = 0, dot = std::string_view::npos;
    for (size_t i = 0; i < programPath.size(); ++i) {
        char c = programPath[i];
        if (isLead(static_cast<unsigned char>(c)) && i + 1 < programPath.size()) {
            ++i;
        } else if (c == '\\' || c == ':') {
            nameStart = i + 1;
            dot = std::string_view::npos;
        } else if (c == '.') {
            dot = i;
        }
    }
    std::string title(programPath.substr(nameStart, dot == std::string_view::npos ? dot : dot - nameStart));
    for (size_t i = 0; i < title.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(title[i]);
        if (isLead(c) && i + 1 < title.size())
            ++i;  // a double-byte character stays as it is
        else if (i > 0 && c >= 'A' && c <= 'Z')
            title[i] = static_cast<char>(c - 'A' + 'a');
    }
    return title;
}

} // namespace lume
