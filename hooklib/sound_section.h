// What the hook may read from a section another process could have chosen:
// only memory backed by the paging file, committed, as large as it must be.
// A view of a file (a network share that goes away, a file truncated
// meanwhile) could fault in the host; so could an uncommitted page.
#pragma once
#include <windows.h>

namespace lume {

// True only when the system says the section is backed by the paging file:
// false for a file or an image, and when it cannot tell. The handle needs
// SECTION_QUERY.
bool IsPagingFileSection(HANDLE section) noexcept;

// True when `view` starts one committed region of at least `minimum` bytes
// that can be read (and written, with `writable`); its size in `size`.
bool IsCommittedView(const void* view, SIZE_T minimum, bool writable, SIZE_T& size) noexcept;

} // namespace lume
