// Programs left alone: the file names ("notepad.exe") of the programs whose
// windows are never painted, kept in the options file's [Exclude] section.
// Names are UTF-16, as the system gives a program's path, so that no code
// page's lead bytes can hide a folder separator or make two names look equal.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lume {

constexpr char ExcludeSection[] = "Exclude";

// A program's file name from what was typed, pasted or found: blanks and
// quotes around it dropped, any folder in front of it dropped. Empty when
// nothing is left.
std::u16string ProgramFileName(std::u16string_view typed);

// File names compare without regard to the case of ASCII letters; other
// characters compare exactly.
bool SameProgram(std::u16string_view a, std::u16string_view b) noexcept;

class ExclusionList {
public:
    const std::vector<std::u16string>& names() const { return names_; }
    bool empty() const { return names_.empty(); }
    bool contains(std::u16string_view programFileName) const noexcept;
    // Adds the typed name's file name; false for an empty name or one that is there already.
    bool add(std::u16string_view typed);
    void remove(size_t index);
    // The names of this list that `before` did not hold.
    ExclusionList addedSince(const ExclusionList& before) const;
    bool operator==(const ExclusionList&) const = default;

private:
    std::vector<std::u16string> names_;
};

// Reading: the section's key names (as the profile API lists them) and a
// key's value. Keys "1", "2", ... in the order of their numbers, gaps
// allowed; other keys, empty values and duplicates are left out.
ExclusionList ReadExclusions(const std::vector<std::string>& keys,
                             const std::function<std::u16string(const std::string& key)>& value);

// Writing: a section that is there goes first, whatever keys it holds; then
// the list as keys "1" to "n", in order, in a section at the file's end.
// `keys` lists the section's keys before the save.
struct ExclusionWrites {
    bool eraseSection = false;
    std::vector<std::pair<std::string, std::u16string>> set;  // key, value
    bool operator==(const ExclusionWrites&) const = default;
};
ExclusionWrites WritesForExclusions(const ExclusionList& list, const std::vector<std::string>& keys);

} // namespace lume
