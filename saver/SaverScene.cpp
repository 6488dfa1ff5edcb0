#include "SaverScene.h"
#include "TilingFactory.h"
#include <cmath>

SaverScene::SaverScene(const SaverSettings& settings, std::uint64_t seed)
    : settings_(settings), seed_(seed), palette_(settings.Palette()) {}

TilingFamily SaverScene::FamilyAt(double seconds) const {
    if (settings_.Family() != TilingFamily::Cycle)
        return settings_.Family();
    const long long step = static_cast<long long>(std::floor(seconds / kCycleSeconds));
    return static_cast<TilingFamily>(1 + (step % 4 + 4) % 4);
}

double SaverScene::FadeAt(double seconds) const {
    if (settings_.Family() != TilingFamily::Cycle)
        return 1;
    const double into = seconds - std::floor(seconds / kCycleSeconds) * kCycleSeconds;
    // The very first tiling appears at once; later ones fade in and out.
    const double in = seconds < kCycleSeconds ? 1 : SmoothStep(0, kFadeSeconds, into);
    return in * SmoothStep(0, kFadeSeconds, kCycleSeconds - into);
}

const Tiling& SaverScene::TilingFor(TilingFamily family) {
    auto& tiling = tilings_[static_cast<size_t>(family)];
    if (!tiling)
        tiling = TilingFactory::Make(family, seed_, settings_.Density());
    return *tiling;
}

void SaverScene::Render(DibSurface& surface, double seconds) {
    const int width = surface.Width(), height = surface.Height();
    // Speed 5 runs at 1, speed 1 at a fifth of that, speed 10 at twice.
    const double animationSeconds = 20 + seconds * settings_.Speed() / 5.0;
    const TilingFrame frame = TilingFor(FamilyAt(seconds)).Build(width, height, animationSeconds);
    renderer_.Draw(surface, frame, palette_, seconds * 0.008, FadeAt(seconds));
}
