#include "settings/exclusion_list.h"

#include <algorithm>
#include <map>

#include "settings/options_path.h"

namespace lume {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// "1", "2", ...: a positive decimal number without sign or leading zero.
bool KeyNumber(const std::string& key, unsigned long& number)
{
    if (key.empty() || key.size() > 9 || key[0] == '0' ||
        !std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    number = std::stoul(key);
    return true;
}

} // namespace

std::string ProgramFileName(std::string_view typed)
{
    size_t start = 0, end = typed.size();
    while (start < end && IsBlank(typed[start]))
        ++start;
    while (end > start && IsBlank(typed[end - 1]))
        --end;
    typed = typed.substr(start, end - start);
    size_t name = 0;
    for (size_t i = 0; i < typed.size(); ++i) {
        const char c = typed[i];
        if (IsCp932LeadByte(static_cast<unsigned char>(c)) && i + 1 < typed.size())
            ++i;  // a trail byte is never a separator
        else if (c == '\\' || c == '/' || c == ':')
            name = i + 1;
    }
    std::string_view rest = typed.substr(name);
    while (!rest.empty() && IsBlank(rest.front()))
        rest.remove_prefix(1);
    return std::string(rest);
}

bool SameProgram(std::string_view a, std::string_view b) noexcept
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (IsCp932LeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool ExclusionList::contains(std::string_view programFileName) const noexcept
{
    return std::any_of(names_.begin(), names_.end(),
                       [&](const std::string& name) { return SameProgram(name, programFileName); });
}

bool ExclusionList::add(std::string_view typed)
{
    std::string name = ProgramFileName(typed);
    if (name.empty() || contains(name))
        return false;
    names_.push_back(std::move(name));
    return true;
}

void ExclusionList::remove(size_t index)
{
    if (index < names_.size())
        names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(index));
}

ExclusionList ExclusionList::addedSince(const ExclusionList& before) const
{
    ExclusionList added;
    for (const std::string& name : names_)
        if (!before.contains(name))
            added.names_.push_back(name);
    return added;
}

ExclusionList ReadExclusions(const std::vector<std::string>& keys,
                             const std::function<std::string(const std::string& key)>& value)
{
    std::map<unsigned long, std::string> numbered;  // in the order of the numbers
    for (const std::string& key : keys) {
        unsigned long number = 0;
        if (KeyNumber(key, number))
            numbered.emplace(number, key);
    }
    ExclusionList list;
    for (const auto& [number, key] : numbered)
        list.add(value(key));
    return list;
}

ExclusionWrites WritesForExclusions(const ExclusionList& list, const std::vector<std::string>& keys)
{
    ExclusionWrites writes;
    writes.eraseSection = !keys.empty();
    for (size_t i = 0; i < list.names().size(); ++i)
        writes.set.emplace_back(std::to_string(i + 1), list.names()[i]);
    return writes;
}

} // namespace lume
