// The options file's keys, in the order they are read and written, with the
// default text that applies when a key is missing, and the field each fills.
#pragma once
#include "resources/texts.h"
#include "settings/caption_settings.h"
#include "ui/font_rules.h"

namespace lume {

enum class OptionForm {
    SurfaceWord, ColorText, PathText, FontFace, FontSize, FontStyle, Integer, Boolean, ComposedWord
};

struct OptionKey {
    const char* section;
    const char* key;
    const char* defaultText;
    OptionForm form;
};

struct LookDefaults {
    const char* surface;
    const char* letter;
    const char* shadow;
    const char* left;
    const char* right;
    const char* led;
};

constexpr LookDefaults ActiveDefaults{"Texture", "00FFFFFF", "00000000", "00800000", "00000080", "00000080"};
constexpr LookDefaults InactiveDefaults{"Gradation", "00FFFFFF", "00000000", "00505050", "00C0C0C0", "00C0C0C0"};

// Calls visit(OptionKey, field) for every key in file order. The field is a
// SurfaceKind, Color, std::string (path), FontSpec (face, size or style, as the
// form says), int32_t, bool or ComposedFrames; const when the record and fonts are.
template <class Record, class Font, class Visit>
void VisitOptionKeys(Record& settings, Font& normalFont, Font& toolFont, Visit&& visit)
{
    auto look = [&](const char* section, auto& group, const LookDefaults& d) {
        visit(OptionKey{section, "Surface", d.surface, OptionForm::SurfaceWord}, group.Surface);
        visit(OptionKey{section, "Letter", d.letter, OptionForm::ColorText}, group.Letter);
        visit(OptionKey{section, "Shadow", d.shadow, OptionForm::ColorText}, group.Shadow);
        visit(OptionKey{section, "Left", d.left, OptionForm::ColorText}, group.Left);
        visit(OptionKey{section, "Right", d.right, OptionForm::ColorText}, group.Right);
        visit(OptionKey{section, "LED", d.led, OptionForm::ColorText}, group.LED);
        visit(OptionKey{section, "Texture", "", OptionForm::PathText}, group.Texture);
    };
    look("Active", settings.Active, ActiveDefaults);
    look("Inactive", settings.Inactive, InactiveDefaults);

    auto& common = settings.Common;
    const char* face = texts::DefaultCaptionFace;
    visit(OptionKey{"Common", "NormalFontName", face, OptionForm::FontFace}, normalFont);
    visit(OptionKey{"Common", "NormalFontSize", "11", OptionForm::FontSize}, normalFont);
    visit(OptionKey{"Common", "NormalFontStyle", "0", OptionForm::FontStyle}, normalFont);
    visit(OptionKey{"Common", "NormalXShift", "3", OptionForm::Integer}, common.NormalXShift);
    visit(OptionKey{"Common", "NormalYShift", "1", OptionForm::Integer}, common.NormalYShift);
    visit(OptionKey{"Common", "ToolFontName", face, OptionForm::FontFace}, toolFont);
    visit(OptionKey{"Common", "ToolFontSize", "9", OptionForm::FontSize}, toolFont);
    visit(OptionKey{"Common", "ToolFontStyle", "0", OptionForm::FontStyle}, toolFont);
    visit(OptionKey{"Common", "ToolXShift", "2", OptionForm::Integer}, common.ToolXShift);
    visit(OptionKey{"Common", "ToolYShift", "1", OptionForm::Integer}, common.ToolYShift);
    visit(OptionKey{"Common", "ShadowShift", "2", OptionForm::Integer}, common.ShadowShift);
    visit(OptionKey{"Common", "NoButtons", "0", OptionForm::Boolean}, common.NoButtons);
    visit(OptionKey{"Common", "NoCloseButton", "0", OptionForm::Boolean}, common.NoCloseButton);
    visit(OptionKey{"Common", "SBNoCust", "0", OptionForm::Boolean}, common.SBNoCust);
    visit(OptionKey{"Common", "Composed", "Tint", OptionForm::ComposedWord}, common.Composed);
}

} // namespace lume
