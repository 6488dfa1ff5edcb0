#pragma once
#include "Vec2.h"
#include <vector>

// A glowing line drawn over the cells: an edge, a spoke or an arc.
struct GlowStroke {
    std::vector<Vec2> points;
    double tone = 0;
    double intensity = 1;  // brightness of the glow; 0 draws nothing
    double opacity = 1;    // 0..1 how much it covers what lies below (for fading in and out)
};
