// The program's look, its metrics and the painter from outside, with the
// settings of a first run, for the benchmarks that paint.
#pragma once
#include "fallback/outside_painter.h"
#include "look/look_source.h"
#include "look/program_look.h"
#include "tests/win/test_settings.h"

namespace lume::bench {

struct Painting {
    ProgramLook look;
    FrameMetrics metrics;
    OutsidePainter painter{nullptr, Mends{}, metrics, [this] { return look.shown(); }, [] {}};
    CaptionSettings& settings = look.options.caption;

    LookSource source() const { return LookSourceOf(look.shown(), metrics.system()); }
};

// The benchmark's one painting, made at its first use.
inline Painting& ThePainting()
{
    static Painting painting;
    return painting;
}

// With the active group's surface set to `activeSurface`; its default
// (a texture: the stripes) when none is given.
inline Painting& SetUpPainter(const SurfaceKind* activeSurface = nullptr)
{
    Painting& painting = ThePainting();
    test::LoadDefaultSettings(painting.settings, painting.look.options.normalFont, painting.look.options.toolFont);
    if (activeSurface)
        painting.settings.Active.Surface = *activeSurface;
    painting.metrics.update();
    painting.look.buildSurfaces();
    return painting;
}

} // namespace lume::bench
