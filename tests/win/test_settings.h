// The settings record and fonts as a first run leaves them, for Windows tests.
#pragma once
#include <string>

#include "settings/options_io.h"
#include "settings/settings.h"

namespace lume::test {

inline void LoadDefaultSettings(CaptionSettings& settings, ui::Font& normalFont, ui::Font& toolFont)
{
    ReadOptions([](const char*, const char*, const char* fallback) { return std::string(fallback); }, settings,
                normalFont.attributes(), toolFont.attributes(), ui::ScreenPixelsPerInch());
}

} // namespace lume::test
