// The program's settings: the one record, the two caption font objects, and
// the options file next to the program that keeps them.
#pragma once
#include <optional>
#include <string>

#include "settings/caption_settings.h"
#include "settings/exclusion_list.h"
#include "ui/font.h"

namespace lume {

// What the options file keeps: filled by LoadOptions, replaced by the
// options dialog on OK, written by SaveOptions.
struct ProgramOptions {
    CaptionSettings caption;
    // The caption fonts of normal and tool windows.
    ui::Font normalFont;
    ui::Font toolFont;
    // The programs whose windows are never painted: a section of its own,
    // edited on the dialog's exclusion page.
    ExclusionList excluded;
};

// The program file's path with its extension replaced by ".ini", as cp932
// text (a folder outside cp932 by its short path); nothing when it has none.
std::optional<std::string> OptionsFilePath();

// Reads every key (the first-run notice first when there is no file), then
// the exclusion list; never creates or writes the file. Without a path for
// the file, the defaults, then UserError(texts::OptionsFileUnnamed).
void LoadOptions(ProgramOptions& options);
void LoadOptionsFrom(const std::string& path, ProgramOptions& options);

// Writes every key in order, then the exclusion list (keys renumbered from
// 1, the rest of its section removed); a failed write stops there and raises
// UserError("<path> に書き込めません"); with no path for the file,
// UserError(texts::OptionsFileUnnamed). The record is left as it is.
void SaveOptions(const ProgramOptions& options);
void SaveOptionsTo(const std::string& path, const ProgramOptions& options);

// Modal, no owner window: the welcome text, until the user closes it.
void FirstRunNotice();

// True when a file, not a folder, exists at the path, given as cp932 text
// like every path the options file holds.
bool FileExists(const std::string& path);

} // namespace lume
