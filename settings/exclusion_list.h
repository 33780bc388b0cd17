// Programs left alone: the file names ("notepad.exe") of the programs whose
// windows are never painted, kept in the options file's [Exclude] section.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lume {

constexpr char ExcludeSection[] = "Exclude";

// A program's file name from what was typed or found: blanks around it
// trimmed, any folder in front of it dropped (cp932-aware). Empty when
// nothing is left.
std::string ProgramFileName(std::string_view typed);

// File names compare without regard to the case of ASCII letters; the bytes
// of cp932 double-byte characters compare exactly.
bool SameProgram(std::string_view a, std::string_view b) noexcept;

class ExclusionList {
public:
    const std::vector<std::string>& names() const { return names_; }
    bool empty() const { return names_.empty(); }
    bool contains(std::string_view programFileName) const noexcept;
    // Adds the typed name's file name; false for an empty name or one that is there already.
    bool add(std::string_view typed);
    void remove(size_t index);
    // The names of this list that `before` did not hold.
    ExclusionList addedSince(const ExclusionList& before) const;
    bool operator==(const ExclusionList&) const = default;

private:
    std::vector<std::string> names_;
};

// Reading: the section's key names (as the profile API lists them) and a
// key's value. Keys "1", "2", ... in the order of their numbers, gaps
// allowed; other keys, empty values and duplicates are left out.
ExclusionList ReadExclusions(const std::vector<std::string>& keys,
                             const std::function<std::string(const std::string& key)>& value);

// Writing: a section that is there goes first, whatever keys it holds; then
// the list as keys "1" to "n", in order, in a section at the file's end.
// `keys` lists the section's keys before the save.
struct ExclusionWrites {
    bool eraseSection = false;
    std::vector<std::pair<std::string, std::string>> set;  // key, value
    bool operator==(const ExclusionWrites&) const = default;
};
ExclusionWrites WritesForExclusions(const ExclusionList& list, const std::vector<std::string>& keys);

} // namespace lume
