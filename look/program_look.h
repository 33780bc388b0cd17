// The look captions are painted and published in: the program's own (what
// the options file keeps, and the surfaces built from it), or a candidate
// that the options dialog shows before OK. A preview never touches the
// program's own: that is what is saved, and what CANCEL puts back.
#pragma once
#include <windows.h>

#include "look/look_parts.h"
#include "look/surfaces.h"
#include "settings/settings.h"

namespace lume {

class ProgramLook {
public:
    ProgramLook() = default;
    ProgramLook(const ProgramLook&) = delete;
    ProgramLook& operator=(const ProgramLook&) = delete;

    ProgramOptions options;

    // The built-in stripes, borrowed from the application, for a texture file
    // that is missing; nullptr withdraws them.
    void setSubstitute(HBITMAP picture) { substitute_ = picture; }
    HBITMAP substitute() const { return substitute_; }

    // The surfaces of the program's own settings, built again; a texture file
    // that fails raises its UserError there, and that surface keeps what it held.
    void buildSurfaces() { BuildSurfaces(options.caption, surfaces_, TextureFailure::Raise, substitute_); }
    const CaptionSurfaces& surfaces() const { return surfaces_; }

    LookParts own() const
    {
        return {&options.caption, &surfaces_, &options.normalFont, &options.toolFont, &options.excluded};
    }
    // Shows `candidate` in place of the program's own look until called with
    // nullptr; it must live as long as it is shown.
    void showInstead(const LookParts* candidate) { candidate_ = candidate; }
    // The candidate while one is shown, else the program's own look; the
    // programs left alone are always the program's own.
    LookParts shown() const
    {
        if (!candidate_)
            return own();
        LookParts candidate = *candidate_;
        candidate.excluded = &options.excluded;
        return candidate;
    }

private:
    CaptionSurfaces surfaces_;
    HBITMAP substitute_ = nullptr;
    const LookParts* candidate_ = nullptr;
};

} // namespace lume
