#pragma once
#include "Tiling.h"

// Quarter-arc Truchet tiles on a drifting square grid. Each tile is cut by two arcs into two
// corner pieces and a band. The four quarter discs at a tile's corners and the four-pointed
// middle between them never change: every quarter disc takes the colour of the parity of its
// grid corner (which two-colours the whole pattern), and only the middle joins one pair of
// discs or the other. A tile rewires by cross-fading its arcs to the other pair while its
// middle shifts to the other colour, so every frame is a whole Truchet pattern.
class TruchetTiling : public Tiling {
public:
    using Tiling::Tiling;
    TilingFrame Build(double width, double height, double seconds) const override;
};
