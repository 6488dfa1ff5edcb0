#include "VoronoiTiling.h"
#include "SeededRandom.h"
#include <algorithm>
#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;

// Keeps the part of a convex polygon on the side of the bisector nearer to `own`.
std::vector<Vec2> ClipToNearSide(const std::vector<Vec2>& polygon, Vec2 own, Vec2 other) {
    const Vec2 normal = other - own;
    const double limit = Dot((own + other) * 0.5, normal);
    std::vector<Vec2> clipped;
    clipped.reserve(polygon.size() + 1);
    for (size_t k = 0; k < polygon.size(); ++k) {
        const Vec2 a = polygon[k], b = polygon[(k + 1) % polygon.size()];
        const double da = Dot(a, normal) - limit, db = Dot(b, normal) - limit;
        if (da <= 0)
            clipped.push_back(a);
        if ((da < 0 && db > 0) || (da > 0 && db < 0))
            clipped.push_back(Lerp(a, b, da / (da - db)));
    }
    return clipped;
}

} // namespace

TilingFrame VoronoiTiling::Build(double width, double height, double seconds) const {
    const double size = CellSize(width, height) * 1.3;
    const double margin = size * 1.5;
    const double areaW = width + 2 * margin, areaH = height + 2 * margin;
    const int count = std::clamp(static_cast<int>(areaW * areaH / (size * size)), 4, 4000);

    // Seeds sit on a jittered grid so cells stay even in size; each circles its home slowly.
    SeededRandom random(Seed());
    const int columns = std::max(2, static_cast<int>(std::lround(std::sqrt(count * areaW / areaH))));
    const int rows = std::max(2, (count + columns - 1) / columns);
    const double stepX = areaW / columns, stepY = areaH / rows;
    struct Seed {
        Vec2 position;
        double tone;
        double phase;
    };
    std::vector<Seed> seeds;
    seeds.reserve(static_cast<size_t>(columns * rows));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const Vec2 home{-margin + (c + random.NextRange(0.2, 0.8)) * stepX,
                            -margin + (r + random.NextRange(0.2, 0.8)) * stepY};
            const double speedX = random.NextRange(0.08, 0.22), speedY = random.NextRange(0.08, 0.22);
            const double phaseX = random.NextRange(0, 2 * kPi), phaseY = random.NextRange(0, 2 * kPi);
            const Vec2 wander{std::sin(seconds * speedX + phaseX) * stepX * 0.45,
                              std::sin(seconds * speedY + phaseY) * stepY * 0.45};
            seeds.push_back({home + wander, random.NextUnit(), random.NextRange(0, 2 * kPi)});
        }
    }

    const std::vector<Vec2> area = {{-margin, -margin}, {width + margin, -margin},
                                    {width + margin, height + margin}, {-margin, height + margin}};
    TilingFrame frame;
    frame.cells.reserve(seeds.size());
    std::vector<std::pair<double, size_t>> byDistance(seeds.size());
    for (size_t s = 0; s < seeds.size(); ++s) {
        const Vec2 own = seeds[s].position;
        for (size_t o = 0; o < seeds.size(); ++o) {
            const Vec2 d = seeds[o].position - own;
            byDistance[o] = {Dot(d, d), o};
        }
        std::sort(byDistance.begin(), byDistance.end());
        std::vector<Vec2> polygon = area;
        for (const auto& [distance2, o] : byDistance) {
            if (o == s)
                continue;
            // A seed farther than twice the cell's farthest corner cannot cut it.
            double reach2 = 0;
            for (Vec2 v : polygon)
                reach2 = std::max(reach2, Dot(v - own, v - own));
            if (distance2 > 4 * reach2)
                break;
            polygon = ClipToNearSide(polygon, own, seeds[o].position);
        }
        if (polygon.size() < 3)
            continue;
        const double pulse = 0.5 + 0.5 * std::sin(seconds * 0.8 + seeds[s].phase);
        TileCell cell;
        // A seed that has drifted out of the area lights its clipped cell from the middle.
        const bool inArea = own.x > -margin && own.y > -margin && own.x < width + margin && own.y < height + margin;
        Vec2 middle{};
        for (Vec2 v : polygon)
            middle = middle + v * (1.0 / static_cast<double>(polygon.size()));
        cell.centre = inArea ? own : middle;
        cell.outline = std::move(polygon);
        cell.tone = seeds[s].tone * 0.6 + seconds * 0.015 + own.x / width * 0.2;
        cell.brightness = 0.45 + 0.25 * pulse;
        cell.glow = 0.55 + 0.45 * pulse;
        GlowStroke edge{cell.outline, cell.tone + 0.2, 0.5 + 0.4 * pulse};
        edge.points.push_back(cell.outline.front());
        frame.strokes.push_back(std::move(edge));
        frame.cells.push_back(std::move(cell));
    }
    return frame;
}
