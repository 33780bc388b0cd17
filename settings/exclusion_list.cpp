#include "settings/exclusion_list.h"

#include <algorithm>
#include <map>

namespace lume {

namespace {

// Blanks around a name, and the quotes a copied path comes with.
bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'"'; }

char16_t FoldAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

std::u16string_view Trimmed(std::u16string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

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

std::u16string ProgramFileName(std::u16string_view typed)
{
    typed = Trimmed(typed);
    const size_t separator = typed.find_last_of(u"\\/:");
    return std::u16string(Trimmed(separator == std::u16string_view::npos ? typed : typed.substr(separator + 1)));
}

bool SameProgram(std::u16string_view a, std::u16string_view b) noexcept
{
    auto same = [](char16_t x, char16_t y) { return FoldAscii(x) == FoldAscii(y); };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), same);
}

bool ExclusionList::contains(std::u16string_view programFileName) const noexcept
{
    return std::any_of(names_.begin(), names_.end(),
                       [&](const std::u16string& name) { return SameProgram(name, programFileName); });
}

bool ExclusionList::add(std::u16string_view typed)
{
    std::u16string name = ProgramFileName(typed);
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
    for (const std::u16string& name : names_)
        if (!before.contains(name))
            added.names_.push_back(name);
    return added;
}

ExclusionList ReadExclusions(const std::vector<std::string>& keys,
                             const std::function<std::u16string(const std::string& key)>& value)
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
