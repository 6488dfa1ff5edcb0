#include "DibSurface.h"
#include "SaverScene.h"
#include <cstdio>
#include <gtest/gtest.h>
#include <set>

namespace {

std::uint64_t HashPixels(const DibSurface& surface) {
    GdiFlush();
    std::uint64_t hash = 1469598103934665603ull;  // FNV-1a
    const size_t count = static_cast<size_t>(surface.Width()) * static_cast<size_t>(surface.Height());
    for (size_t k = 0; k < count; ++k) {
        hash ^= surface.Pixels()[k];
        hash *= 1099511628211ull;
    }
    return hash;
}

size_t DistinctColours(const DibSurface& surface) {
    GdiFlush();
    std::set<std::uint32_t> colours;
    const size_t count = static_cast<size_t>(surface.Width()) * static_cast<size_t>(surface.Height());
    for (size_t k = 0; k < count; k += 7)
        colours.insert(surface.Pixels()[k] & 0xFFFFFF);
    return colours.size();
}

std::uint64_t RenderHash(TilingFamily family, std::uint64_t seed, double seconds, int width = 320,
                         int height = 200) {
    SaverSettings settings;
    settings.SetFamily(family);
    SaverScene scene(settings, seed);
    DibSurface surface(width, height);
    EXPECT_TRUE(static_cast<bool>(surface));
    scene.Render(surface, seconds);
    return HashPixels(surface);
}

const TilingFamily kFamilies[] = {TilingFamily::Lattice, TilingFamily::Penrose, TilingFamily::Voronoi,
                                  TilingFamily::Truchet};

TEST(FrameRender, SameSeedAndSizeGiveTheSameFrame) {
    for (TilingFamily family : kFamilies) {
        const std::uint64_t first = RenderHash(family, 42, 3.25);
        const std::uint64_t second = RenderHash(family, 42, 3.25);
        std::printf("%-8s frame hash %016llx\n", SaverSettings::FamilyName(family),
                    static_cast<unsigned long long>(first));
        EXPECT_EQ(first, second) << SaverSettings::FamilyName(family);
    }
}

TEST(FrameRender, SeedTimeAndFamilyChangeTheFrame) {
    std::set<std::uint64_t> hashes;
    for (TilingFamily family : kFamilies) {
        const std::uint64_t base = RenderHash(family, 42, 3.25);
        EXPECT_NE(base, RenderHash(family, 43, 3.25)) << SaverSettings::FamilyName(family) << ": seed ignored";
        EXPECT_NE(base, RenderHash(family, 42, 3.5)) << SaverSettings::FamilyName(family) << ": not animated";
        hashes.insert(base);
    }
    EXPECT_EQ(hashes.size(), 4u) << "two families drew the same frame";
}

TEST(FrameRender, FramesAreRichNotUniform) {
    for (TilingFamily family : kFamilies) {
        SaverSettings settings;
        settings.SetFamily(family);
        SaverScene scene(settings, 7);
        DibSurface surface(640, 360);
        scene.Render(surface, 10);
        EXPECT_GT(DistinctColours(surface), 200u) << SaverSettings::FamilyName(family);
    }
}

TEST(FrameRender, CycleFadesBetweenFamilies) {
    SaverSettings settings;  // Cycle is the default
    SaverScene scene(settings, 1);
    const double cycle = SaverScene::kCycleSeconds;
    EXPECT_EQ(scene.FamilyAt(1), TilingFamily::Lattice);
    EXPECT_EQ(scene.FamilyAt(cycle + 1), TilingFamily::Penrose);
    EXPECT_EQ(scene.FamilyAt(2 * cycle + 1), TilingFamily::Voronoi);
    EXPECT_EQ(scene.FamilyAt(3 * cycle + 1), TilingFamily::Truchet);
    EXPECT_EQ(scene.FamilyAt(4 * cycle + 1), TilingFamily::Lattice);
    // At the change the frame has faded to the plain background.
    DibSurface surface(64, 48);
    scene.Render(surface, cycle);
    EXPECT_LE(DistinctColours(surface), 2u) << "frame at the change is not faded out";
}

} // namespace
