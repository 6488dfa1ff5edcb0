#pragma once
#include "Tiling.h"

// Glowing Voronoi cells around seeds that drift on slow closed paths. Each cell is the view
// (grown by a margin) clipped by the bisectors towards the other seeds, so the cells
// partition that area exactly.
class VoronoiTiling : public Tiling {
public:
    using Tiling::Tiling;
    TilingFrame Build(double width, double height, double seconds) const override;
};
