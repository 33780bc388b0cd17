// Every options-file text rule on any text: no crash, round trips hold.
#include "settings/option_labels.h"
#include "settings/option_text.h"
#include "tests/fuzz/fuzz_input.h"
#include "ui/font_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace lume;
    fuzz::Input input(data, size);
    const std::string text = input.text(80);

    const Color color = ColorFromText(text);
    fuzz::Require((color & 0xFF000000u) == 0);
    fuzz::Require(ColorFromText(ColorToText(color)) == color);
    fuzz::Require(ColorToText(color).size() == 8);
    if (auto value = ParseOptionInteger(text))
        fuzz::Require(ParseOptionInteger(IntegerToText(*value)) == value);
    fuzz::Require(BooleanFromText(text) == (IntegerOrDefault(text, 0) != 0));
    const SurfaceKind surface = SurfaceFromWord(text);
    fuzz::Require(SurfaceFromWord(SurfaceToWord(surface)) == surface);
    SpinEditValue(text);
    FontStyleText(static_cast<uint8_t>(text.empty() ? 0 : text[0]));
    ui::FontSpec font{"kept", -12, 0, 0};
    font.setFace(text);
    fuzz::Require(font.face.size() <= ui::MaxFaceNameBytes && !font.face.empty());

    return 0;
}
