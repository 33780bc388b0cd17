#include "ui/late_library.h"

#include <map>
#include <string>

namespace lume::ui {

FARPROC LateProcedure(const char* library, const char* name)
{
    // Never freed: the controls' window classes live as long as the process.
    static std::map<std::string, HMODULE> loaded;
    auto [entry, added] = loaded.try_emplace(library, nullptr);
    if (added)
        entry->second = LoadLibraryA(library);
    return entry->second ? GetProcAddress(entry->second, name) : nullptr;
}

} // namespace lume::ui
