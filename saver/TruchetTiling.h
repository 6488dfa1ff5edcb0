#pragma once
#include "Tiling.h"

// Quarter-arc Truchet tiles on a drifting square grid. Each tile is cut by two arcs into two
// corner pieces and a band; tiles rewire now and then by shrinking their arcs into the corners
// and growing them back turned a quarter. The pieces are coloured by the parity of the grid
// corner they touch, which two-colours the whole pattern.
class TruchetTiling : public Tiling {
public:
    using Tiling::Tiling;
    TilingFrame Build(double width, double height, double seconds) const override;
};
