// The options dialog's choices shown on every caption before OK. Each choice
// becomes a candidate look built aside (its surfaces quietly: a texture that
// fails shows the substitute picture), shown in place of the program's own,
// which stays as it is, and made visible by `show` (a publication and a
// sweep). Fast choices are merged: at most one new look per PreviewPace
// interval, the last one always shown.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "app/preview_pace.h"
#include "look/program_look.h"
#include "settings/option_dialog.h"

namespace lume {

// Beside the notifications' timers on the main window.
constexpr UINT_PTR PreviewTimer = 3;

class OptionPreview {
public:
    // Candidates are shown in place of `look`; `shownBefore` is its choice as
    // the dialog opened; the timer goes to `timerWindow`.
    OptionPreview(HWND timerWindow, ProgramLook& look, LookChoice shownBefore, std::function<void()> show);
    ~OptionPreview();
    OptionPreview(const OptionPreview&) = delete;
    OptionPreview& operator=(const OptionPreview&) = delete;

    // The dialog's present choice.
    void choose(const LookChoice& choice);
    // PreviewTimer: the latest choice shown.
    void timerFired();
    // The program's own look for the painter again, the timer stopped; true
    // when a candidate had been shown, which the caller then takes off the screen.
    bool end();

private:
    struct Candidate;
    void showLatest();

    HWND timerWindow_;
    ProgramLook& look_;
    std::function<void()> show_;
    PreviewPace pace_;
    LookChoice latest_;
    LookChoice shownChoice_;
    std::unique_ptr<Candidate> shown_;
    bool previewed_ = false;
};

} // namespace lume
