#include "TilingFactory.h"
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

const double kPi = 3.14159265358979323846;

bool Contains(const std::vector<Vec2>& polygon, Vec2 p) {
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Vec2 a = polygon[i], b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

double Area(const std::vector<Vec2>& polygon) {
    double twice = 0;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
        twice += polygon[j].x * polygon[i].y - polygon[i].x * polygon[j].y;
    return std::fabs(twice) / 2;
}

struct TilingCase {
    TilingFamily family;
    int density;
    double width;
    double height;
    double seconds;
};

std::string Describe(const TilingCase& c) {
    return std::string(SaverSettings::FamilyName(c.family)) + " density " + std::to_string(c.density) + " " +
           std::to_string(static_cast<int>(c.width)) + "x" + std::to_string(static_cast<int>(c.height)) +
           " at " + std::to_string(c.seconds) + " s";
}

std::vector<TilingCase> AllCases() {
    std::vector<TilingCase> cases;
    for (TilingFamily family : {TilingFamily::Lattice, TilingFamily::Penrose, TilingFamily::Voronoi,
                                TilingFamily::Truchet}) {
        // Times chosen to catch the lattice as squares, hexagons, mid-morph and triangles, and
        // Truchet tiles mid-turn.
        for (double seconds : {0.0, 6.0, 9.5, 18.0, 24.0, 61.3, 377.7}) {
            cases.push_back({family, 5, 800, 600, seconds});
        }
        cases.push_back({family, 1, 1920, 1080, 12.5});
        cases.push_back({family, 10, 1920, 1080, 33.3});
        cases.push_back({family, 10, 152, 112, 7.0});  // the Display control panel's preview
    }
    return cases;
}

// Every sample point of the view lies in exactly one cell: no gaps, no overlaps.
TEST(TilingGeometry, CellsCoverTheViewExactlyOnce) {
    for (const TilingCase& c : AllCases()) {
        const auto tiling = TilingFactory::Make(c.family, 7, c.density);
        const TilingFrame frame = tiling->Build(c.width, c.height, c.seconds);
        ASSERT_FALSE(frame.cells.empty()) << Describe(c);
        int failures = 0;
        // Irrational steps keep the samples off the (rational-ish) cell edges.
        for (double y = 0.37; y < c.height && failures < 5; y += c.height / 23.13) {
            for (double x = 0.71; x < c.width && failures < 5; x += c.width / 31.7) {
                int count = 0;
                for (const TileCell& cell : frame.cells)
                    count += Contains(cell.outline, {x, y}) ? 1 : 0;
                if (count != 1) {
                    ++failures;
                    ADD_FAILURE() << Describe(c) << ": point (" << x << ", " << y << ") lies in " << count
                                  << " cells";
                }
            }
        }
    }
}

// Cell centres are inside their cells (the glow fans out from there).
TEST(TilingGeometry, CentresLieInsideTheirCells) {
    for (const TilingCase& c : AllCases()) {
        const TilingFrame frame = TilingFactory::Make(c.family, 11, c.density)->Build(c.width, c.height, c.seconds);
        int outside = 0;
        for (const TileCell& cell : frame.cells) {
            if (Area(cell.outline) > 1 && !Contains(cell.outline, cell.centre) && c.family != TilingFamily::Truchet)
                ++outside;
        }
        EXPECT_EQ(outside, 0) << Describe(c);
    }
}

TEST(TilingGeometry, PenroseCellsAreThePenroseRhombs) {
    const TilingFrame frame = TilingFactory::Make(TilingFamily::Penrose, 3, 5)->Build(1920, 1080, 42);
    int thick = 0, thin = 0;
    const double edge = std::hypot(frame.cells[0].outline[1].x - frame.cells[0].outline[0].x,
                                   frame.cells[0].outline[1].y - frame.cells[0].outline[0].y);
    for (const TileCell& cell : frame.cells) {
        ASSERT_EQ(cell.outline.size(), 4u);
        for (int k = 0; k < 4; ++k) {
            const Vec2 a = cell.outline[k], b = cell.outline[(k + 1) % 4];
            ASSERT_NEAR(std::hypot(b.x - a.x, b.y - a.y), edge, 1e-6) << "side " << k;
        }
        const Vec2 u = cell.outline[1] - cell.outline[0], v = cell.outline[3] - cell.outline[0];
        const double degrees = std::acos(Dot(u, v) / (edge * edge)) * 180 / kPi;
        if (std::fabs(degrees - 72) < 1e-6 || std::fabs(degrees - 108) < 1e-6)
            ++thick;
        else if (std::fabs(degrees - 36) < 1e-6 || std::fabs(degrees - 144) < 1e-6)
            ++thin;
        else
            ADD_FAILURE() << "rhomb with an angle of " << degrees << " degrees";
    }
    // In a Penrose tiling thick rhombs outnumber thin ones by the golden ratio.
    ASSERT_GT(thin, 100);
    EXPECT_NEAR(static_cast<double>(thick) / thin, 1.618, 0.12) << thick << " thick, " << thin << " thin";
}

TEST(TilingGeometry, VoronoiCellsHoldThePointsNearestTheirSeed) {
    const TilingFrame frame = TilingFactory::Make(TilingFamily::Voronoi, 5, 5)->Build(1024, 768, 25);
    for (double y = 3.3; y < 768; y += 41.7) {
        for (double x = 2.9; x < 1024; x += 37.1) {
            size_t nearest = 0, containing = frame.cells.size();
            double best = 1e30;
            for (size_t k = 0; k < frame.cells.size(); ++k) {
                const Vec2 d = frame.cells[k].centre - Vec2{x, y};
                if (Dot(d, d) < best)
                    best = Dot(d, d), nearest = k;
                if (Contains(frame.cells[k].outline, {x, y}))
                    containing = k;
            }
            EXPECT_EQ(containing, nearest) << "point (" << x << ", " << y << ")";
        }
    }
}

TEST(TilingGeometry, LatticeCellsAreCongruentAtEveryStage) {
    for (double seconds : {0.0, 6.0, 9.5, 18.0, 24.0, 30.0}) {
        const TilingFrame frame = TilingFactory::Make(TilingFamily::Lattice, 9, 5)->Build(800, 600, seconds);
        // Cells come as whole hexagons or as fans of six triangles; group by cell count.
        const size_t group = frame.cells[0].outline.size() == 3 ? 6 : 1;
        double first = 0;
        for (size_t k = 0; k < group; ++k)
            first += Area(frame.cells[k].outline);
        for (size_t start = 0; start + group <= frame.cells.size(); start += group) {
            double area = 0;
            for (size_t k = 0; k < group; ++k)
                area += Area(frame.cells[start + k].outline);
            ASSERT_NEAR(area, first, first * 1e-9) << "cell group at " << start << ", " << seconds << " s";
        }
    }
}

// A Truchet tile is four quarter discs round its corners and the piece between them.
const size_t kTruchetPiecesPerTile = 5;

TEST(TilingGeometry, TruchetPiecesStayInsideTheirTile) {
    const TilingFrame frame = TilingFactory::Make(TilingFamily::Truchet, 2, 5)->Build(800, 600, 50);
    ASSERT_EQ(frame.cells.size() % kTruchetPiecesPerTile, 0u);
    for (size_t tile = 0; tile < frame.cells.size(); tile += kTruchetPiecesPerTile) {
        // The pieces of a tile fill exactly its square.
        double total = 0;
        Vec2 low = frame.cells[tile].outline[0], high = low;
        for (size_t k = 0; k < kTruchetPiecesPerTile; ++k) {
            total += Area(frame.cells[tile + k].outline);
            for (Vec2 p : frame.cells[tile + k].outline) {
                low = {std::min(low.x, p.x), std::min(low.y, p.y)};
                high = {std::max(high.x, p.x), std::max(high.y, p.y)};
            }
        }
        const double side = high.x - low.x;
        EXPECT_NEAR(high.y - low.y, side, 1e-6) << "tile " << tile / kTruchetPiecesPerTile;
        EXPECT_NEAR(total, side * side, side * side * 1e-9) << "tile " << tile / kTruchetPiecesPerTile;
    }
}

// Near a grid corner the pieces of all four tiles there belong to one region, so they share
// a colour (brightness): the pattern is two-coloured by corner parity, also while tiles turn.
TEST(TilingGeometry, TruchetPiecesAtACornerShareTheirColour) {
    for (double seconds : {50.0, 61.3, 377.7}) {
        const TilingFrame frame = TilingFactory::Make(TilingFamily::Truchet, 4, 5)->Build(800, 600, seconds);
        // The first piece of a tile starts at the tile's corner; the middle piece spans the tile.
        const Vec2 corner = frame.cells[0].outline[0];
        double side = 0;
        for (Vec2 p : frame.cells[kTruchetPiecesPerTile - 1].outline)
            side = std::max(side, 2 * std::fabs(p.x - frame.cells[kTruchetPiecesPerTile - 1].centre.x));
        ASSERT_GT(side, 10);
        auto brightnessAt = [&](Vec2 p) {
            for (const TileCell& cell : frame.cells) {
                if (Contains(cell.outline, p))
                    return cell.brightness;
            }
            return -1.0;
        };
        int checked = 0;
        for (int gy = -1; gy < 600 / side + 1; ++gy) {
            for (int gx = -1; gx < 800 / side + 1; ++gx) {
                const Vec2 v{corner.x + gx * side, corner.y + gy * side};
                if (v.x < 5 || v.y < 5 || v.x > 795 || v.y > 595)
                    continue;
                const double d = side * 0.08;
                const double around[4] = {brightnessAt({v.x - d, v.y - d}), brightnessAt({v.x + d, v.y - d}),
                                          brightnessAt({v.x - d, v.y + d}), brightnessAt({v.x + d, v.y + d})};
                EXPECT_TRUE(std::fabs(around[0] - 0.25) < 1e-9 || std::fabs(around[0] - 0.9) < 1e-9)
                    << "corner " << gx << "," << gy << " at " << seconds << " s: brightness " << around[0];
                for (double b : around) {
                    if (b != around[0]) {
                        ADD_FAILURE() << "corner " << gx << "," << gy << " at " << seconds << " s: " << around[0]
                                      << " " << around[1] << " " << around[2] << " " << around[3];
                        break;
                    }
                }
                ++checked;
            }
        }
        EXPECT_GT(checked, 20) << seconds << " s";
    }
}

// A tile rewires by cross-fading its arcs: old and new arcs always add up to the two arcs of
// one whole tile, and some frames catch tiles part way.
TEST(TilingGeometry, TruchetTurnsCrossFadeTheirArcs) {
    const auto tiling = TilingFactory::Make(TilingFamily::Truchet, 6, 5);
    int halfway = 0;
    for (double seconds = 20; seconds < 30; seconds += 0.1) {
        const TilingFrame frame = tiling->Build(800, 600, seconds);
        const double tiles = static_cast<double>(frame.cells.size() / kTruchetPiecesPerTile);
        double opacity = 0;
        for (const GlowStroke& stroke : frame.strokes) {
            ASSERT_GT(stroke.opacity, 0) << seconds << " s";
            ASSERT_LE(stroke.opacity, 1) << seconds << " s";
            opacity += stroke.opacity;
            halfway += stroke.opacity > 0.3 && stroke.opacity < 0.7 ? 1 : 0;
        }
        EXPECT_NEAR(opacity, 2 * tiles, 1e-9) << seconds << " s";
    }
    EXPECT_GT(halfway, 0) << "no tile seen turning";
}

} // namespace
