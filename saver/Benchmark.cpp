// Renders frames offscreen at full-HD for each tiling family and prints how fast that goes,
// and how much of each frame building the tiling's geometry takes (the rest is drawing).
//   tessellux-saver-bench [frames] [width] [height]
#include "DibSurface.h"
#include "SaverScene.h"
#include "Stopwatch.h"
#include "TilingFactory.h"
#include <cstdio>
#include <cstdlib>
#include <windows.h>

namespace {

double ProcessCpuSeconds() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) * 1e-7;
    };
    return seconds(kernel) + seconds(user);
}

} // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 180;
    const int width = argc > 2 ? std::atoi(argv[2]) : 1920;
    const int height = argc > 3 ? std::atoi(argv[3]) : 1080;
    DibSurface surface(width, height);
    if (!surface) {
        std::printf("cannot make a %dx%d surface\n", width, height);
        return 1;
    }
    std::printf("%d frames at %dx%d, density 5, speed 5\n", frames, width, height);
    std::printf("%-9s %9s %14s %14s %14s\n", "family", "fps", "ms/frame", "cpu ms/frame", "build ms");
    for (TilingFamily family : {TilingFamily::Lattice, TilingFamily::Penrose, TilingFamily::Voronoi,
                                TilingFamily::Truchet}) {
        SaverSettings settings;
        settings.SetFamily(family);
        SaverScene scene(settings, 12345);
        const double cpuBefore = ProcessCpuSeconds();
        const Stopwatch clock;
        for (int frame = 0; frame < frames; ++frame)
            scene.Render(surface, frame / 60.0);
        GdiFlush();
        const double wall = clock.Seconds();
        const double cpu = ProcessCpuSeconds() - cpuBefore;
        // The same frames' geometry again on its own (speed 5 runs the animation at 1 from 20 s).
        const auto tiling = TilingFactory::Make(family, 12345, settings.Density());
        const Stopwatch buildClock;
        for (int frame = 0; frame < frames; ++frame)
            tiling->Build(width, height, 20 + frame / 60.0);
        const double build = buildClock.Seconds();
        std::printf("%-9s %9.1f %14.2f %14.2f %14.2f\n", SaverSettings::FamilyName(family), frames / wall,
                    wall * 1000 / frames, cpu * 1000 / frames, build * 1000 / frames);
    }
    return 0;
}
