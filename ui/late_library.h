// System libraries loaded at their first use rather than at the program's
// start: under Wine the common controls and the common dialogs take about a
// tenth of a second to load, and only the options dialog needs them.
#pragma once
#include <windows.h>

namespace lume::ui {

// The procedure `name` of the system library `library`, loaded at the first
// call and kept until the process ends; null when either is missing.
FARPROC LateProcedure(const char* library, const char* name);

template <class Function>
Function* LateBound(const char* library, const char* name)
{
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(LateProcedure(library, name)));
}

} // namespace lume::ui
