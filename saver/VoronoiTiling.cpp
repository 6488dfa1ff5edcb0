#include "VoronoiTiling.h"
#include "SeededRandom.h"
#include <algorithm>
#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;

// A convex polygon; edge k runs from corner k to corner k + 1 and lies on the bisector towards
// seed owner[k] (or on the border of the area, -1).
struct Polygon {
    std::vector<Vec2> corners;
    std::vector<int> owner;
};

// Keeps the part of a convex polygon on the side of the bisector nearer to `own`.
void ClipToNearSide(const Polygon& polygon, Vec2 own, Vec2 other, int otherIndex, Polygon& clipped) {
    const Vec2 normal = other - own;
    const double limit = Dot((own + other) * 0.5, normal);
    clipped.corners.clear();
    clipped.owner.clear();
    const size_t count = polygon.corners.size();
    for (size_t k = 0; k < count; ++k) {
        const Vec2 a = polygon.corners[k], b = polygon.corners[(k + 1) % count];
        const double da = Dot(a, normal) - limit, db = Dot(b, normal) - limit;
        if (da <= 0) {
            clipped.corners.push_back(a);
            clipped.owner.push_back(da == 0 && db > 0 ? otherIndex : polygon.owner[k]);
        }
        if ((da < 0 && db > 0) || (da > 0 && db < 0)) {
            // Leaving the near side starts an edge on the bisector; entering it resumes edge k.
            clipped.corners.push_back(Lerp(a, b, da / (da - db)));
            clipped.owner.push_back(da < 0 ? otherIndex : polygon.owner[k]);
        }
    }
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

    const Polygon area{{{-margin, -margin}, {width + margin, -margin}, {width + margin, height + margin},
                        {-margin, height + margin}},
                       {-1, -1, -1, -1}};
    TilingFrame frame;
    frame.cells.reserve(seeds.size());
    std::vector<std::pair<double, size_t>> byDistance(seeds.size());
    Polygon polygon, clipped;
    for (size_t s = 0; s < seeds.size(); ++s) {
        const Vec2 own = seeds[s].position;
        for (size_t o = 0; o < seeds.size(); ++o) {
            const Vec2 d = seeds[o].position - own;
            byDistance[o] = {Dot(d, d), o};
        }
        std::sort(byDistance.begin(), byDistance.end());
        polygon = area;
        for (const auto& [distance2, o] : byDistance) {
            if (o == s)
                continue;
            // A seed farther than twice the cell's farthest corner cannot cut it.
            double reach2 = 0;
            for (Vec2 v : polygon.corners)
                reach2 = std::max(reach2, Dot(v - own, v - own));
            if (distance2 > 4 * reach2)
                break;
            ClipToNearSide(polygon, own, seeds[o].position, static_cast<int>(o), clipped);
            std::swap(polygon, clipped);
        }
        if (polygon.corners.size() < 3)
            continue;
        const double pulse = 0.5 + 0.5 * std::sin(seconds * 0.8 + seeds[s].phase);
        TileCell cell;
        // A seed that has drifted out of the area lights its clipped cell from the middle.
        const bool inArea = own.x > -margin && own.y > -margin && own.x < width + margin && own.y < height + margin;
        Vec2 middle{};
        for (Vec2 v : polygon.corners)
            middle = middle + v * (1.0 / static_cast<double>(polygon.corners.size()));
        cell.centre = inArea ? own : middle;
        cell.outline = polygon.corners;
        cell.tone = seeds[s].tone * 0.6 + seconds * 0.015 + own.x / width * 0.2;
        cell.brightness = 0.45 + 0.25 * pulse;
        cell.glow = 0.55 + 0.45 * pulse;
        // An edge between two cells is stroked once, by the later cell (whose colour showed
        // when both stroked it); the border of the area lies outside the view.
        const size_t count = polygon.corners.size();
        auto drawn = [&](size_t k) { return polygon.owner[k] >= 0 && static_cast<size_t>(polygon.owner[k]) < s; };
        size_t first = 0;
        while (first < count && drawn(first))
            ++first;
        for (size_t step = 1; step <= count && first < count; ++step) {
            // Runs of drawn edges, starting after an undrawn one, become one stroke each.
            const size_t k = (first + step) % count;
            if (!drawn(k))
                continue;
            if (step == 1 || !drawn((k + count - 1) % count))
                frame.strokes.push_back({{polygon.corners[k]}, cell.tone + 0.2, 0.5 + 0.4 * pulse});
            frame.strokes.back().points.push_back(polygon.corners[(k + 1) % count]);
        }
        if (first == count) {  // every edge drawn: the whole outline
            GlowStroke edge{cell.outline, cell.tone + 0.2, 0.5 + 0.4 * pulse};
            edge.points.push_back(cell.outline.front());
            frame.strokes.push_back(std::move(edge));
        }
        frame.cells.push_back(std::move(cell));
    }
    return frame;
}
