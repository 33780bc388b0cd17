#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "resources/texts.h"
#include "settings/options_io.h"

using namespace lume;

namespace {

constexpr int32_t Dpi = 96;
using Entry = std::pair<std::string, std::string>;  // "Section/Key", value

struct FakeProfile {
    std::map<std::string, std::string> values;
    std::vector<std::string> reads;
    std::vector<Entry> writes;
    std::string failAt;

    ProfileReader reader()
    {
        return [this](const char* section, const char* key, const char* fallback) {
            std::string name = std::string(section) + "/" + key;
            reads.push_back(name);
            auto found = values.find(name);
            return found == values.end() ? std::string(fallback) : found->second;
        };
    }
    ProfileWriter writer()
    {
        return [this](const char* section, const char* key, const std::string& value) {
            std::string name = std::string(section) + "/" + key;
            if (name == failAt)
                return false;
            writes.emplace_back(name, value);
            return true;
        };
    }
};

const std::vector<Entry> DefaultFile = {
    {"Active/Surface", "Texture"},         {"Active/Letter", "00FFFFFF"},   {"Active/Shadow", "00000000"},
    {"Active/Left", "00800000"},           {"Active/Right", "00000080"},    {"Active/LED", "00000080"},
    {"Active/Texture", ""},                {"Inactive/Surface", "Gradation"}, {"Inactive/Letter", "00FFFFFF"},
    {"Inactive/Shadow", "00000000"},       {"Inactive/Left", "00505050"},   {"Inactive/Right", "00C0C0C0"},
    {"Inactive/LED", "00C0C0C0"},          {"Inactive/Texture", ""},
    {"Common/NormalFontName", texts::DefaultCaptionFace}, {"Common/NormalFontSize", "11"},
    {"Common/NormalFontStyle", "0"},       {"Common/NormalXShift", "3"},    {"Common/NormalYShift", "1"},
    {"Common/ToolFontName", texts::DefaultCaptionFace},   {"Common/ToolFontSize", "9"},
    {"Common/ToolFontStyle", "0"},         {"Common/ToolXShift", "2"},      {"Common/ToolYShift", "1"},
    {"Common/ShadowShift", "2"},           {"Common/NoButtons", "0"},       {"Common/NoCloseButton", "0"},
    {"Common/SBNoCust", "0"},              {"Common/Composed", "Tint"},
};

} // namespace

TEST(OptionsIo, NoFileGivesEveryDefaultAndSavesTheTableInOrder)
{
    FakeProfile profile;
    CaptionSettings settings;
    settings.Active.Texture = "left over";
    ui::FontSpec normal{texts::NewFontFace, -12, 5, 0}, tool = normal;
    ReadOptions(profile.reader(), settings, normal, tool, Dpi);

    EXPECT_EQ(settings.Active.Surface, SurfaceKind::Texture);
    EXPECT_EQ(settings.Inactive.Surface, SurfaceKind::Gradation);
    EXPECT_EQ(settings.Active.Texture, "");
    EXPECT_EQ(settings.Active.Left, 0x00000080u);
    EXPECT_EQ(settings.Active.Right, 0x00800000u);
    EXPECT_EQ(settings.Inactive.Left, 0x00505050u);
    EXPECT_EQ(settings.Common.NormalXShift, 3);
    EXPECT_EQ(settings.Common.ShadowShift, 2);
    EXPECT_FALSE(settings.Common.NoButtons);
    EXPECT_EQ(normal.face, texts::DefaultCaptionFace);
    EXPECT_EQ(normal.size(Dpi), 11);
    EXPECT_EQ(normal.style, 0);
    EXPECT_EQ(tool.size(Dpi), 9);

    EXPECT_FALSE(WriteOptions(profile.writer(), settings, normal, tool, Dpi));
    EXPECT_EQ(profile.writes, DefaultFile);
    std::vector<std::string> keysInOrder;
    for (const Entry& entry : DefaultFile)
        keysInOrder.push_back(entry.first);
    EXPECT_EQ(profile.reads, keysInOrder);
}

TEST(OptionsIo, OddValuesLoadAndSaveBack)
{
    FakeProfile profile;
    profile.values = {
        {"Active/Letter", "ffffff"},      {"Active/Shadow", "#000080"},      {"Active/Left", "1200FF0000"},
        {"Active/Right", "FF000080"},     {"Active/Surface", "texture"},     {"Inactive/Surface", ""},
        {"Inactive/Letter", ""},          {"Active/Texture", "C:\\x\\y.bmp"}, {"Common/NormalFontSize", "0x0C"},
        {"Common/ToolFontSize", "12pt"},  {"Common/NormalFontStyle", "259"}, {"Common/NormalXShift", "-4"},
        {"Common/NoButtons", "2"},        {"Common/NoCloseButton", "-1"},    {"Common/SBNoCust", "yes"},
        {"Common/ToolYShift", ""},        {"Common/NormalFontName", std::string(40, 'F')},
        {"Common/ToolFontName", ""},      {"Common/Composed", "leave"},
    };
    CaptionSettings settings;
    ui::FontSpec normal{texts::NewFontFace, -12, 0, 0}, tool = normal;
    ReadOptions(profile.reader(), settings, normal, tool, Dpi);

    EXPECT_EQ(settings.Active.Letter, 0x00FFFFFFu);
    EXPECT_EQ(settings.Active.Shadow, 0u);
    EXPECT_EQ(settings.Active.Left, 0x000000FFu);
    EXPECT_EQ(settings.Active.Right, 0x00800000u);
    EXPECT_EQ(settings.Active.Surface, SurfaceKind::Gradation);
    EXPECT_EQ(settings.Inactive.Surface, SurfaceKind::Gradation);
    EXPECT_EQ(settings.Inactive.Letter, 0u);  // empty but present: black
    EXPECT_EQ(normal.size(Dpi), 12);
    EXPECT_EQ(tool.size(Dpi), 9);
    EXPECT_EQ(normal.style, 3);
    EXPECT_EQ(normal.face, std::string(31, 'F'));
    EXPECT_EQ(tool.face, texts::NewFontFace);  // an empty face leaves the font's own
    EXPECT_EQ(settings.Common.NormalXShift, -4);
    EXPECT_EQ(settings.Common.ToolYShift, 1);
    EXPECT_TRUE(settings.Common.NoButtons);
    EXPECT_TRUE(settings.Common.NoCloseButton);
    EXPECT_FALSE(settings.Common.SBNoCust);
    EXPECT_EQ(settings.Common.Composed, ComposedFrames::Leave);

    WriteOptions(profile.writer(), settings, normal, tool, Dpi);
    std::map<std::string, std::string> saved(profile.writes.begin(), profile.writes.end());
    EXPECT_EQ(saved["Active/Letter"], "00FFFFFF");
    EXPECT_EQ(saved["Active/Right"], "00000080");
    EXPECT_EQ(saved["Active/Surface"], "Gradation");
    EXPECT_EQ(saved["Active/Texture"], "C:\\x\\y.bmp");
    EXPECT_EQ(saved["Common/NormalFontSize"], "12");
    EXPECT_EQ(saved["Common/NormalFontStyle"], "3");
    EXPECT_EQ(saved["Common/NormalXShift"], "-4");
    EXPECT_EQ(saved["Common/NoButtons"], "1");
    EXPECT_EQ(saved["Common/NoCloseButton"], "1");
    EXPECT_EQ(saved["Common/ToolFontName"], texts::NewFontFace);
    EXPECT_EQ(saved["Common/Composed"], "Leave");
}

TEST(OptionsIo, FailedWriteStopsAtThatKey)
{
    FakeProfile profile;
    CaptionSettings settings;
    ui::FontSpec normal, tool;
    ReadOptions(profile.reader(), settings, normal, tool, Dpi);
    const CaptionSettings before = settings;

    profile.failAt = "Inactive/Letter";
    auto failed = WriteOptions(profile.writer(), settings, normal, tool, Dpi);
    ASSERT_TRUE(failed);
    EXPECT_STREQ(failed->section, "Inactive");
    EXPECT_STREQ(failed->key, "Letter");
    EXPECT_EQ(profile.writes, std::vector<Entry>(DefaultFile.begin(), DefaultFile.begin() + 7 + 1));
    EXPECT_EQ(settings, before);
}
