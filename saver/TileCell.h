#pragma once
#include "Vec2.h"
#include <vector>

// One tile of a tiling: the cells of a frame cover the view without gaps or overlaps.
struct TileCell {
    std::vector<Vec2> outline;
    Vec2 centre;            // where the inner glow gathers; inside the outline
    double tone = 0;        // position on the palette, any real number (the palette wraps)
    double brightness = 1;  // 0..1 scale of the fill
    double glow = 0;        // 0..1 strength of the inner glow
    // Above 0, the light fades with the distance from the centre and is gone at this radius
    // (for round cells); otherwise it fades straight towards each edge.
    double radius = 0;
};
