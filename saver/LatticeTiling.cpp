#include "LatticeTiling.h"
#include "SeededRandom.h"
#include <algorithm>
#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;
const double kCycleSeconds = 48;

struct MorphState {
    double hexness;  // 0 square, 1 regular hexagon
    double split;    // 0 whole hexagons, 1 triangles
};

MorphState MorphAt(double seconds) {
    const double c = seconds / kCycleSeconds - std::floor(seconds / kCycleSeconds);
    const double hexness = SmoothStep(0.08, 0.25, c) * (1 - SmoothStep(0.75, 0.92, c));
    const double split = SmoothStep(0.33, 0.45, c) * (1 - SmoothStep(0.55, 0.67, c));
    return {hexness, split};
}

Vec2 Rotate(Vec2 v, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

Vec2 Polar(double radius, double degrees) {
    const double a = degrees * kPi / 180;
    return {radius * std::cos(a), radius * std::sin(a)};
}

} // namespace

TilingFrame LatticeTiling::Build(double width, double height, double seconds) const {
    const double size = CellSize(width, height);
    const MorphState morph = MorphAt(seconds);
    const double angle = 0.15 * std::sin(seconds * 0.031 + static_cast<double>(Seed() % 628) / 100);

    // Three consecutive corners; the other three are their negatives.
    const double half = size * 0.8;
    const Vec2 square[3] = {{half, -half}, {half, half}, {-half, half}};
    const Vec2 hexagon[3] = {Polar(size, -30), Polar(size, 30), Polar(size, 90)};
    Vec2 p[6];
    for (int k = 0; k < 3; ++k) {
        p[k] = Rotate(Lerp(square[k], hexagon[k], morph.hexness), angle);
        p[k + 3] = -p[k];
    }
    const Vec2 t1 = p[0] + p[1];
    const Vec2 t2 = p[1] + p[2];

    const Vec2 origin{width / 2 + size * 3 * std::sin(seconds * 0.017),
                      height / 2 + size * 3 * std::cos(seconds * 0.013)};

    // Lattice indices whose cells can reach the view: invert the basis at the corners of the
    // view grown by a cell.
    const double det = t1.x * t2.y - t1.y * t2.x;
    const double margin = size * 2;
    double iMin = 1e9, iMax = -1e9, jMin = 1e9, jMax = -1e9;
    for (Vec2 corner : {Vec2{-margin, -margin}, Vec2{width + margin, -margin},
                        Vec2{-margin, height + margin}, Vec2{width + margin, height + margin}}) {
        const Vec2 d = corner - origin;
        const double i = (d.x * t2.y - d.y * t2.x) / det;
        const double j = (t1.x * d.y - t1.y * d.x) / det;
        iMin = std::min(iMin, i), iMax = std::max(iMax, i);
        jMin = std::min(jMin, j), jMax = std::max(jMax, j);
    }

    TilingFrame frame;
    const double tonePhase = seconds * 0.05;
    for (long long i = static_cast<long long>(std::floor(iMin)) - 1; i <= std::ceil(iMax) + 1; ++i) {
        for (long long j = static_cast<long long>(std::floor(jMin)) - 1; j <= std::ceil(jMax) + 1;
             ++j) {
            const Vec2 c = origin + t1 * static_cast<double>(i) + t2 * static_cast<double>(j);
            if (c.x < -margin || c.y < -margin || c.x > width + margin || c.y > height + margin)
                continue;
            const double random = SeededRandom::HashUnit(Seed(), i, j);
            const double wave = 0.5 + 0.5 * std::sin(c.x / size * 0.35 - c.y / size * 0.2 +
                                                      seconds * 0.4);
            const double tone = random * 0.25 + wave * 0.35 + tonePhase;
            const double pulse = 0.5 + 0.5 * std::sin(seconds * 0.9 + random * 2 * kPi);

            if (morph.split <= 0) {
                TileCell cell;
                for (Vec2 v : p)
                    cell.outline.push_back(c + v);
                cell.centre = c;
                cell.tone = tone;
                cell.brightness = 0.55 + 0.3 * wave;
                cell.glow = 0.35 + 0.5 * pulse;
                frame.cells.push_back(std::move(cell));
            } else {
                for (int k = 0; k < 6; ++k) {
                    TileCell cell;
                    const Vec2 a = c + p[k], b = c + p[(k + 1) % 6];
                    cell.outline = {c, a, b};
                    cell.centre = (c + a + b) * (1.0 / 3);
                    cell.tone = tone + morph.split * ((k % 2) ? 0.18 : -0.12);
                    cell.brightness = 0.55 + 0.3 * wave + morph.split * ((k % 2) ? 0.1 : -0.1);
                    cell.glow = (0.35 + 0.5 * pulse) * (1 - 0.4 * morph.split);
                    frame.cells.push_back(std::move(cell));
                }
            }
            // Each cell owns three of its edges; its neighbours draw the rest.
            frame.strokes.push_back({{c + p[0], c + p[1], c + p[2], c + p[3]}, tone + 0.1, 1.0});
            if (morph.split > 0) {
                for (int k = 0; k < 3; ++k)
                    frame.strokes.push_back({{c + p[k], c, c + p[k + 3]}, tone + 0.3, morph.split});
            }
        }
    }
    return frame;
}
