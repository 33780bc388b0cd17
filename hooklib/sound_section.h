// What the hook may read from a section another process could have chosen:
// only memory backed by the paging file, committed, as large as it must be.
// A view of a file (a network share that goes away, a file truncated
// meanwhile) could fault in the host; so could an uncommitted page.
#pragma once
#include <windows.h>

#include "core/win_handles.h"

namespace lume {

// A view of the whole section with `access` (FILE_MAP_READ, with or without
// FILE_MAP_WRITE), when the system says it is backed by the paging file and
// the view starts one committed region of at least `minimum` bytes with that
// access; its size in `size`. Null otherwise, and when the system cannot
// tell. The handle needs SECTION_QUERY; the view keeps the section.
win::MappedView<> MapSoundView(HANDLE section, DWORD access, SIZE_T minimum, SIZE_T& size) noexcept;

} // namespace lume
