// One running copy per session. A second copy that went on would take the
// hook library's shared record from the first, which would then hear of no
// window, and either copy's exit would remove the other's hook.
#pragma once
#include "ui/handles.h"

namespace lume {

// The mark of the running copy: a named mutex in the session's namespace,
// owned from start-up to the end of the process.
class RunningMark {
public:
    RunningMark();
    // False when another copy holds the mark: this one ends at once.
    bool taken() const { return taken_; }

private:
    ui::OwnedMutex mutex_;
    bool taken_ = false;
};

// Whether a mapping named as the hook library's shared record exists while no
// copy of ours runs, and no copy of ours left it: another program made it,
// and the hook could not be ours.
bool HookRecordHeldElsewhere();

} // namespace lume
