// The profile calls on a file named by cp932 text, like every path the
// program keeps. The name reaches Windows in UTF-16, so that a folder outside
// the system's code page is named right; what the file holds crosses in the
// system's code page, as the ANSI calls pass it, so its bytes stay as they were.
#pragma once
#include <string>
#include <vector>

namespace lume {

// A key's value, cut to 1023 characters; `fallback` when there is none.
std::string ProfileValue(const std::string& path, const char* section, const char* key, const char* fallback);
// The key names of a section, as the profile API lists them.
std::vector<std::string> ProfileKeys(const std::string& path, const char* section);
// Writes a key; a null value removes the key, a null key the section.
bool WriteProfileValue(const std::string& path, const char* section, const char* key, const char* value);

} // namespace lume
