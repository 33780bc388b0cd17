// The painter's drawing objects and the settings of a first run, for the
// benchmarks that paint.
#pragma once
#include <memory>

#include "painter/painter.h"
#include "painter/surfaces.h"
#include "settings/settings.h"
#include "tests/win/test_settings.h"

namespace lume::bench {

// With the active group's surface set to `activeSurface`; its default
// (a texture: the stripes) when none is given.
inline void SetUpPainter(const SurfaceKind* activeSurface = nullptr)
{
    NormalFont = std::make_unique<ui::Font>();
    ToolFont = std::make_unique<ui::Font>();
    Surfaces = std::make_unique<CaptionSurfaces>();
    test::LoadDefaultSettings(Settings, *NormalFont, *ToolFont);
    if (activeSurface)
        Settings.Active.Surface = *activeSurface;
    UpdateCaptionMetrics();
    BuildCaptionSurfaces();
}

} // namespace lume::bench
