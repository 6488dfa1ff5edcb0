#include "TruchetTiling.h"
#include "SeededRandom.h"
#include <array>
#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;
const double kPeriod = 9;       // seconds between a tile's chances to turn
const double kTurnSeconds = 1.2;  // length of the cross-fade, centred on the change
const int kArcSteps = 8;
using Arc = std::array<Vec2, kArcSteps + 1>;

// A tile's two orientations: arcs around corners (0,0) and (1,1), or around (1,0) and (0,1).
int OrientationAt(std::uint64_t seed, long long i, long long j, long long generation) {
    return SeededRandom::HashUnit(seed, i, j, generation) < 0.5 ? 0 : 1;
}

const Vec2 kCorners[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

// The quarter arcs of radius 1/2 around the tile's corners, in tile units; they touch at the
// edge midpoints. Computed once, as every tile and frame uses the same.
const std::array<Arc, 4>& CornerArcs() {
    static const std::array<Arc, 4> arcs = [] {
        std::array<Arc, 4> result{};
        for (int c = 0; c < 4; ++c) {
            for (int k = 0; k <= kArcSteps; ++k) {
                const double a = (c * 0.5 + k * 0.5 / kArcSteps) * kPi;
                result[c][k] = kCorners[c] + Vec2{0.5 * std::cos(a), 0.5 * std::sin(a)};
            }
        }
        return result;
    }();
    return arcs;
}

} // namespace

TilingFrame TruchetTiling::Build(double width, double height, double seconds) const {
    const double size = CellSize(width, height) * 1.1;
    const Vec2 pan{seconds * size * 0.07, seconds * size * 0.045};
    const long long iFirst = static_cast<long long>(std::floor(pan.x / size)) - 1;
    const long long jFirst = static_cast<long long>(std::floor(pan.y / size)) - 1;
    const long long columns = static_cast<long long>(std::ceil(width / size)) + 3;
    const long long rows = static_cast<long long>(std::ceil(height / size)) + 3;
    const std::array<Arc, 4>& arcs = CornerArcs();

    TilingFrame frame;
    frame.cells.reserve(static_cast<size_t>(columns * rows * 5));
    frame.strokes.reserve(static_cast<size_t>(columns * rows * 2));
    const double tonePhase = seconds * 0.02;
    // The two parities differ mostly in brightness.
    const double toneOf[2] = {tonePhase - 0.04, tonePhase + 0.04};
    const double brightnessOf[2] = {0.25, 0.9};
    for (long long j = jFirst; j < jFirst + rows; ++j) {
        for (long long i = iFirst; i < iFirst + columns; ++i) {
            const Vec2 origin{i * size - pan.x, j * size - pan.y};
            if (origin.x > width || origin.y > height || origin.x + size < 0 || origin.y + size < 0)
                continue;
            auto place = [&](Vec2 local) { return origin + local * size; };

            // Each tile keeps its own schedule, so turns ripple rather than happen at once. The
            // weight of orientation 1 runs smoothly across the change nearest in time.
            const double offset = SeededRandom::HashUnit(Seed(), i, j, -1) * kPeriod;
            const double local = seconds + offset;
            const long long generation = static_cast<long long>(std::floor(local / kPeriod));
            const double into = local - static_cast<double>(generation) * kPeriod;
            const long long before = into < kPeriod / 2 ? generation - 1 : generation;
            const double sinceChange = into < kPeriod / 2 ? into : into - kPeriod;
            const int oldOrientation = OrientationAt(Seed(), i, j, before);
            const int newOrientation = OrientationAt(Seed(), i, j, before + 1);
            const double progress = SmoothStep(-kTurnSeconds / 2, kTurnSeconds / 2, sinceChange);
            const double weight1 = (oldOrientation == 1 ? 1 - progress : 0) + (newOrientation == 1 ? progress : 0);

            // The quarter discs, lit from their grid corner.
            for (int c = 0; c < 4; ++c) {
                const long long step = static_cast<long long>(kCorners[c].x + kCorners[c].y);
                const long long parity = ((i + j + step) % 2 + 2) % 2;
                TileCell disc;
                disc.outline.reserve(kArcSteps + 2);
                disc.outline.push_back(place(kCorners[c]));
                for (Vec2 p : arcs[c])
                    disc.outline.push_back(place(p));
                disc.centre = disc.outline.front();
                disc.tone = toneOf[parity];
                disc.brightness = brightnessOf[parity];
                disc.glow = 0.9;
                disc.radius = size / 2;
                frame.cells.push_back(std::move(disc));
            }

            // The middle belongs to the band, which touches the corners the arcs do not go round.
            TileCell middle;
            middle.outline.reserve(4 * kArcSteps);
            for (int c : {0, 3, 2, 1}) {  // each arc ends where the next begins
                for (int k = 0; k < kArcSteps; ++k)
                    middle.outline.push_back(place(arcs[c][k]));
            }
            middle.centre = place({0.5, 0.5});
            const long long parity0 = ((i + j + 1) % 2 + 2) % 2;  // band colour in orientation 0
            const long long parity1 = 1 - parity0;
            middle.tone = toneOf[parity0] + (toneOf[parity1] - toneOf[parity0]) * weight1;
            middle.brightness = brightnessOf[parity0] + (brightnessOf[parity1] - brightnessOf[parity0]) * weight1;
            middle.glow = 0;
            frame.cells.push_back(std::move(middle));

            const double wave = 0.5 + 0.5 * std::sin((origin.x + origin.y) / size * 0.25 - seconds * 0.5);
            const double strokeTone = tonePhase + 0.3 + 0.3 * wave;
            for (int orientation = 0; orientation < 2; ++orientation) {
                const double opacity = orientation == 1 ? weight1 : 1 - weight1;
                if (opacity <= 0)
                    continue;
                // Orientation 0 goes round corners 0 and 2, orientation 1 round 1 and 3.
                for (int c = orientation; c < 4; c += 2) {
                    GlowStroke stroke;
                    stroke.points.reserve(kArcSteps + 1);
                    for (Vec2 p : arcs[c])
                        stroke.points.push_back(place(p));
                    stroke.tone = strokeTone;
                    stroke.opacity = opacity;
                    frame.strokes.push_back(std::move(stroke));
                }
            }
        }
    }
    return frame;
}
