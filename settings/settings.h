// The program's settings: the one record, the two caption font objects, and
// the options file next to the program that keeps them.
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "settings/caption_settings.h"
#include "settings/exclusion_list.h"
#include "ui/font.h"

namespace lume {

// The program-wide record: filled by LoadOptions, replaced by the options
// dialog, read by the painter.
extern CaptionSettings Settings;
// The caption fonts of normal and tool windows; they exist from the main
// window's creation to its destruction.
extern std::unique_ptr<ui::Font> NormalFont;
extern std::unique_ptr<ui::Font> ToolFont;
// The programs whose windows are never painted; loaded and saved with the
// settings, in a section of its own, and edited on the dialog's last page.
extern ExclusionList ExcludedPrograms;

// The program file's path with its extension replaced by ".ini", as cp932
// text (a folder outside cp932 by its short path); nothing when it has none.
std::optional<std::string> OptionsFilePath();

// Reads every key (the first-run notice first when there is no file), then
// the exclusion list; never creates or writes the file. Without a path for
// the file, the defaults, then UserError(texts::OptionsFileUnnamed).
void LoadOptions();
void LoadOptionsFrom(const std::string& path);

// Writes every key in order, then the exclusion list (keys renumbered from
// 1, the rest of its section removed); a failed write stops there and raises
// UserError("<path> に書き込めません"); with no path for the file,
// UserError(texts::OptionsFileUnnamed). The record is left as it is.
void SaveOptions();
void SaveOptionsTo(const std::string& path);

// Modal, no owner window: the welcome text, until the user closes it.
void FirstRunNotice();

// True when a file, not a folder, exists at the path, given as cp932 text
// like every path the options file holds.
bool FileExists(const std::string& path);

} // namespace lume
