#pragma once
#include "FrameRenderer.h"
#include "Palette.h"
#include "SaverSettings.h"
#include "Tiling.h"
#include <array>
#include <cstdint>
#include <memory>
#include <windows.h>

// The whole animation: which tiling shows when (cycling through all, with a fade between
// them), how fast time runs, and the palette. Render is deterministic for settings, seed,
// size and time.
class SaverScene {
public:
    static constexpr double kCycleSeconds = 40;
    static constexpr double kFadeSeconds = 1.5;

    SaverScene(const SaverSettings& settings, std::uint64_t seed);

    // seconds: real time since the saver started.
    void Render(DibSurface& surface, double seconds);
    TilingFamily FamilyAt(double seconds) const;
    const SaverSettings& Settings() const { return settings_; }

private:
    double FadeAt(double seconds) const;
    const Tiling& TilingFor(TilingFamily family);

    SaverSettings settings_;
    std::uint64_t seed_;
    Palette palette_;
    std::array<std::unique_ptr<Tiling>, 5> tilings_;
    FrameRenderer renderer_;
};
