#include "ui/application_title.h"

namespace lume {

std::u16string ApplicationTitleFor(std::u16string_view programPath)
{
    // The name starts after the last separator and ends at the last dot after it.
    const size_t nameStart = programPath.find_last_of(u"\\:") + 1;  // npos + 1 is 0
    const std::u16string_view name = programPath.substr(nameStart);
    std::u16string title(name.substr(0, name.find_last_of(u'.')));
    for (size_t i = 1; i < title.size(); ++i)
        if (title[i] >= u'A' && title[i] <= u'Z')
            title[i] = static_cast<char16_t>(title[i] - u'A' + u'a');
    return title;
}

} // namespace lume
