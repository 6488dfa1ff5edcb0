#include "TruchetTiling.h"
#include "SeededRandom.h"
#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;
const double kPeriod = 9;      // seconds between a tile's chances to turn
const double kTurnTime = 0.6;  // seconds to shrink (or grow) its arcs
const int kArcSteps = 8;

// A tile's two orientations: arcs around corners (0,0) and (1,1), or around (1,0) and (0,1).
int OrientationAt(std::uint64_t seed, long long i, long long j, long long generation) {
    return SeededRandom::HashUnit(seed, i, j, generation) < 0.5 ? 0 : 1;
}

// Points of the quarter arc of radius r around corner (0,0), in tile units, from the bottom
// edge to the left edge (or reversed).
std::vector<Vec2> ArcAroundOrigin(double r, bool reversed) {
    std::vector<Vec2> points;
    for (int k = 0; k <= kArcSteps; ++k) {
        const double a = (reversed ? kArcSteps - k : k) * (kPi / 2) / kArcSteps;
        points.push_back({r * std::cos(a), r * std::sin(a)});
    }
    return points;
}

} // namespace

TilingFrame TruchetTiling::Build(double width, double height, double seconds) const {
    const double size = CellSize(width, height) * 1.1;
    const Vec2 pan{seconds * size * 0.07, seconds * size * 0.045};
    const long long iFirst = static_cast<long long>(std::floor(pan.x / size)) - 1;
    const long long jFirst = static_cast<long long>(std::floor(pan.y / size)) - 1;
    const long long columns = static_cast<long long>(std::ceil(width / size)) + 3;
    const long long rows = static_cast<long long>(std::ceil(height / size)) + 3;

    // Tiles are built in tile units for orientation 0; orientation 1 is that turned a quarter.
    TilingFrame frame;
    const double tonePhase = seconds * 0.02;
    for (long long j = jFirst; j < jFirst + rows; ++j) {
        for (long long i = iFirst; i < iFirst + columns; ++i) {
            const Vec2 origin{i * size - pan.x, j * size - pan.y};
            if (origin.x > width || origin.y > height || origin.x + size < 0 || origin.y + size < 0)
                continue;

            // Each tile keeps its own schedule, so turns ripple rather than happen at once.
            const double offset = SeededRandom::HashUnit(Seed(), i, j, -1) * kPeriod;
            const double local = seconds + offset;
            const long long generation = static_cast<long long>(std::floor(local / kPeriod));
            const double into = local - generation * kPeriod;
            const int orientation = OrientationAt(Seed(), i, j, generation);
            double radius = 0.5;
            if (into < kTurnTime && OrientationAt(Seed(), i, j, generation - 1) != orientation)
                radius = 0.5 * SmoothStep(0, kTurnTime, into);
            if (into > kPeriod - kTurnTime && OrientationAt(Seed(), i, j, generation + 1) != orientation)
                radius = 0.5 * SmoothStep(0, kTurnTime, kPeriod - into);

            auto place = [&](Vec2 local) {
                if (orientation == 1)
                    local = {1 - local.y, local.x};
                return origin + local * size;
            };
            auto placeAll = [&](const std::vector<Vec2>& points) {
                std::vector<Vec2> placed;
                placed.reserve(points.size());
                for (Vec2 p : points)
                    placed.push_back(place(p));
                return placed;
            };

            // Arc around (0,0) and the same arc turned half round, around (1,1).
            const std::vector<Vec2> arcLow = ArcAroundOrigin(radius, false);
            std::vector<Vec2> arcHigh;
            for (Vec2 p : arcLow)
                arcHigh.push_back({1 - p.x, 1 - p.y});

            // Corner pieces have the parity of their grid corner; the band touches the other two.
            const long long cornerParity = ((i + j + orientation) % 2 + 2) % 2;
            const double wave = 0.5 + 0.5 * std::sin((origin.x + origin.y) / size * 0.25 - seconds * 0.5);
            // The two parities differ mostly in brightness; while a tile turns they meet in the
            // middle, so the flip of parity at the turn's midpoint (radius 0) does not show.
            const double settled = radius / 0.5;
            const double toneOf[2] = {tonePhase - 0.04 * settled, tonePhase + 0.04 * settled};
            const double brightnessOf[2] = {0.55 - 0.3 * settled, 0.55 + 0.35 * settled};
            TileCell low;
            low.outline = placeAll(arcLow);
            low.outline.insert(low.outline.begin(), place({0, 0}));
            low.centre = place({0, 0});
            TileCell high;
            high.outline = placeAll(arcHigh);
            high.outline.insert(high.outline.begin(), place({1, 1}));
            high.centre = place({1, 1});
            for (TileCell* corner : {&low, &high}) {
                corner->tone = toneOf[cornerParity];
                corner->brightness = brightnessOf[cornerParity];
                corner->glow = 0.9;
            }

            TileCell band;
            band.outline.push_back(place({radius, 0}));
            band.outline.push_back(place({1, 0}));
            for (Vec2 p : ArcAroundOrigin(radius, true))  // around (1,1), from the right edge
                band.outline.push_back(place({1 - p.x, 1 - p.y}));
            band.outline.push_back(place({0, 1}));
            for (Vec2 p : ArcAroundOrigin(radius, true))
                band.outline.push_back(place(p));
            band.centre = place({0.5, 0.5});
            band.tone = toneOf[1 - cornerParity];
            band.brightness = brightnessOf[1 - cornerParity];
            band.glow = 0;

            frame.strokes.push_back({placeAll(arcLow), tonePhase + 0.3 + 0.3 * wave, 1.0});
            frame.strokes.push_back({placeAll(arcHigh), tonePhase + 0.3 + 0.3 * wave, 1.0});
            frame.cells.push_back(std::move(low));
            frame.cells.push_back(std::move(high));
            frame.cells.push_back(std::move(band));
        }
    }
    return frame;
}
