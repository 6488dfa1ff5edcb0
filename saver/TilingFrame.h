#pragma once
#include "GlowStroke.h"
#include "TileCell.h"
#include <vector>

// What a tiling looks like at one moment: cells first, strokes drawn over them.
struct TilingFrame {
    std::vector<TileCell> cells;
    std::vector<GlowStroke> strokes;
};
