#include "PenroseTiling.h"
#include "SeededRandom.h"
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {
const double kPi = 3.14159265358979323846;
}

TilingFrame PenroseTiling::Build(double width, double height, double seconds) const {
    const double edge = CellSize(width, height) * 0.9;
    const double rotation = seconds * 0.006 + static_cast<double>(Seed() % 1000) / 159.0;

    Vec2 e[5];
    for (int m = 0; m < 5; ++m)
        e[m] = {std::cos(2 * kPi * m / 5 + rotation), std::sin(2 * kPi * m / 5 + rotation)};

    // Grid offsets: a random base plus a slow drift, shifted to sum to zero (which makes it a
    // true Penrose tiling); random values keep three lines from meeting in one point.
    SeededRandom random(Seed());
    double gamma[5];
    double sum = 0;
    for (int m = 0; m < 5; ++m) {
        const double base = random.NextUnit();
        const double phase = random.NextRange(0, 2 * kPi);
        gamma[m] = base + 0.35 * std::sin(seconds * 0.045 * (1 + 0.13 * m) + phase);
        sum += gamma[m];
    }
    for (double& g : gamma)
        g -= sum / 5;

    // Screen point q shows tiling point v = (q - centre) / edge + pan; a tiling vertex lies
    // near 2.5 times its grid point, so the grid is scanned over the view scaled by 0.4.
    const Vec2 centre{width / 2, height / 2};
    const Vec2 pan{8 * std::sin(seconds * 0.011), 8 * std::cos(seconds * 0.0083)};
    Vec2 shift{};
    for (int m = 0; m < 5; ++m)
        shift = shift + e[m] * gamma[m];
    const double halfW = width / 2 / edge, halfH = height / 2 / edge;
    const double margin = 3.5;
    const Vec2 gridLow{(pan.x - shift.x - halfW) * 0.4 - margin, (pan.y - shift.y - halfH) * 0.4 - margin};
    const Vec2 gridHigh{(pan.x - shift.x + halfW) * 0.4 + margin, (pan.y - shift.y + halfH) * 0.4 + margin};

    auto toScreen = [&](Vec2 v) { return centre + (v - pan) * edge; };
    auto lineRange = [&](int m, long long& low, long long& high) {
        double lo = 1e18, hi = -1e18;
        for (Vec2 c : {gridLow, Vec2{gridHigh.x, gridLow.y}, Vec2{gridLow.x, gridHigh.y}, gridHigh}) {
            const double value = Dot(c, e[m]) + gamma[m];
            lo = std::min(lo, value), hi = std::max(hi, value);
        }
        low = static_cast<long long>(std::ceil(lo));
        high = static_cast<long long>(std::floor(hi));
    };

    TilingFrame frame;
    std::unordered_map<std::uint64_t, size_t> strokeOfEdge;  // edge (start corner, direction) -> stroke
    const double viewMargin = edge * 2;
    for (int i = 0; i < 5; ++i) {
        for (int j = i + 1; j < 5; ++j) {
            const bool thick = (j - i == 1 || j - i == 4);
            long long iLow, iHigh, jLow, jHigh;
            lineRange(i, iLow, iHigh);
            lineRange(j, jLow, jHigh);
            const double det = e[i].x * e[j].y - e[i].y * e[j].x;
            for (long long ki = iLow; ki <= iHigh; ++ki) {
                for (long long kj = jLow; kj <= jHigh; ++kj) {
                    // The crossing of line ki of family i with line kj of family j.
                    const double a = static_cast<double>(ki) - gamma[i];
                    const double b = static_cast<double>(kj) - gamma[j];
                    const Vec2 p{(a * e[j].y - b * e[i].y) / det, (e[i].x * b - e[j].x * a) / det};
                    if (p.x < gridLow.x || p.y < gridLow.y || p.x > gridHigh.x || p.y > gridHigh.y)
                        continue;
                    long long k[5];
                    for (int m = 0; m < 5; ++m)
                        k[m] = static_cast<long long>(std::floor(Dot(p, e[m]) + gamma[m]));
                    Vec2 base{};
                    for (int m = 0; m < 5; ++m) {
                        if (m != i && m != j)
                            base = base + e[m] * static_cast<double>(k[m]);
                    }
                    const Vec2 vi0 = e[i] * static_cast<double>(ki - 1), vi1 = e[i] * static_cast<double>(ki);
                    const Vec2 vj0 = e[j] * static_cast<double>(kj - 1), vj1 = e[j] * static_cast<double>(kj);
                    TileCell cell;
                    cell.outline = {toScreen(base + vi0 + vj0), toScreen(base + vi1 + vj0),
                                    toScreen(base + vi1 + vj1), toScreen(base + vi0 + vj1)};
                    Vec2 low = cell.outline[0], high = cell.outline[0];
                    for (Vec2 v : cell.outline) {
                        low = {std::min(low.x, v.x), std::min(low.y, v.y)};
                        high = {std::max(high.x, v.x), std::max(high.y, v.y)};
                    }
                    if (high.x < -viewMargin || high.y < -viewMargin ||
                        low.x > width + viewMargin || low.y > height + viewMargin)
                        continue;
                    cell.centre = (cell.outline[0] + cell.outline[2]) * 0.5;
                    const double d = std::hypot(cell.centre.x - centre.x, cell.centre.y - centre.y) / edge;
                    const double wave = 0.5 + 0.5 * std::sin(d * 0.45 - seconds * 0.7);
                    cell.tone = (thick ? 0.0 : 0.45) + 0.25 * wave + seconds * 0.02;
                    cell.brightness = (thick ? 0.55 : 0.75) + 0.25 * wave;
                    cell.glow = 0.25 + 0.6 * wave;
                    // Neighbours share edges: each is stroked once, in the colour of the last
                    // rhomb that has it (as when each rhomb stroked its whole outline).
                    long long corner[5];
                    for (int m = 0; m < 5; ++m)
                        corner[m] = k[m];
                    corner[i] = ki - 1, corner[j] = kj - 1;
                    const GlowStroke edges[4] = {{{cell.outline[0], cell.outline[1]}, cell.tone + 0.15, 0.55 + 0.45 * wave},
                                                 {{cell.outline[1], cell.outline[2]}, cell.tone + 0.15, 0.55 + 0.45 * wave},
                                                 {{cell.outline[3], cell.outline[2]}, cell.tone + 0.15, 0.55 + 0.45 * wave},
                                                 {{cell.outline[0], cell.outline[3]}, cell.tone + 0.15, 0.55 + 0.45 * wave}};
                    // Edge from corner (ki-1, kj-1) along e[i], from (ki, kj-1) along e[j], from
                    // (ki-1, kj) along e[i], and from (ki-1, kj-1) along e[j].
                    const int directions[4] = {i, j, i, j};
                    const long long startI[4] = {ki - 1, ki, ki - 1, ki - 1};
                    const long long startJ[4] = {kj - 1, kj - 1, kj, kj - 1};
                    for (int edge = 0; edge < 4; ++edge) {
                        corner[i] = startI[edge], corner[j] = startJ[edge];
                        std::uint64_t key = static_cast<std::uint64_t>(directions[edge]);
                        for (int m = 0; m < 5; ++m)
                            key = (key << 11) | (static_cast<std::uint64_t>(corner[m] + 1024) & 0x7FF);
                        const auto [at, added] = strokeOfEdge.try_emplace(key, frame.strokes.size());
                        if (added)
                            frame.strokes.push_back(edges[edge]);
                        else
                            frame.strokes[at->second] = edges[edge];
                    }
                    frame.cells.push_back(std::move(cell));
                }
            }
        }
    }
    return frame;
}
