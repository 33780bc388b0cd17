#include "app/option_preview.h"

#include <utility>

namespace lume {

// A look of its own: the settings, fonts and surfaces the painter reads
// through `parts` while it is shown. Never moved, for `parts` points into it.
struct OptionPreview::Candidate {
    Candidate(const LookChoice& choice, HBITMAP substitute) : settings(choice.settings)
    {
        normalFont.assign(choice.normalFont);
        toolFont.assign(choice.toolFont);
        BuildSurfaces(settings, surfaces, TextureFailure::Substitute, substitute);
    }
    CaptionSettings settings;
    ui::Font normalFont;
    ui::Font toolFont;
    CaptionSurfaces surfaces;
    const LookParts parts{&settings, &surfaces, &normalFont, &toolFont};
};

OptionPreview::OptionPreview(HWND timerWindow, ProgramLook& look, LookChoice shownBefore, std::function<void()> show)
    : timerWindow_(timerWindow), look_(look), show_(std::move(show)), latest_(shownBefore), shownChoice_(std::move(shownBefore))
{
}

OptionPreview::~OptionPreview() { end(); }

void OptionPreview::choose(const LookChoice& choice)
{
    latest_ = choice;
    switch (pace_.choice(GetTickCount())) {
    case PreviewPace::Step::ShowNow:
        if (latest_ != shownChoice_)  // a box left as it was repaints nothing
            showLatest();
        break;
    case PreviewPace::Step::ArmTimer:
        SetTimer(timerWindow_, PreviewTimer, pace_.wait(GetTickCount()), nullptr);
        break;
    case PreviewPace::Step::Wait:
        break;
    }
}

void OptionPreview::timerFired()
{
    KillTimer(timerWindow_, PreviewTimer);
    showLatest();
}

void OptionPreview::showLatest()
{
    pace_.shown(GetTickCount());
    if (latest_ == shownChoice_)
        return;
    auto next = std::make_unique<Candidate>(latest_, look_.substitute());
    look_.showInstead(&next->parts);
    shown_ = std::move(next);  // the one before is read no more: nothing paints meanwhile
    shownChoice_ = latest_;
    previewed_ = true;
    show_();
}

bool OptionPreview::end()
{
    KillTimer(timerWindow_, PreviewTimer);
    look_.showInstead(nullptr);
    shown_.reset();
    return std::exchange(previewed_, false);
}

} // namespace lume
