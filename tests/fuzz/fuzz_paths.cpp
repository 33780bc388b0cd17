// Path and title rules on any bytes, cp932 or not, and on any UTF-16 units.
#include <cstring>

#include "settings/options_path.h"
#include "tests/fuzz/fuzz_input.h"
#include "ui/application_title.h"
#include "ui/tray_tip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace lume;
    using namespace lume::ui;
    const std::string path(reinterpret_cast<const char*>(data), size);
    const std::string options = OptionsFilePathFor(path);
    fuzz::Require(options.size() >= 4 && options.compare(options.size() - 4, 4, ".ini") == 0);
    fuzz::Require(options.size() <= path.size() + 4);
    fuzz::Require(path.compare(0, options.size() - 4, options, 0, options.size() - 4) == 0);
    std::u16string wide(size / 2, u'\0');  // the same bytes as UTF-16 units
    std::memcpy(wide.data(), data, wide.size() * 2);
    fuzz::Require(ApplicationTitleFor(wide).size() <= wide.size());
    const std::string tip = TrayTipText(path);
    fuzz::Require(tip.size() <= TrayTipBytes && path.compare(0, tip.size(), tip) == 0);
    return 0;
}
