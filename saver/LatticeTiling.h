#pragma once
#include "Tiling.h"

// Periodic tilings that morph square -> hexagonal -> triangular and back. Every stage is a
// centrally symmetric hexagon translated over its lattice (the square is a hexagon with two
// pairs of coinciding corners; triangles are hexagons split from the centre), so the plane
// stays covered exactly throughout the morph.
class LatticeTiling : public Tiling {
public:
    using Tiling::Tiling;
    TilingFrame Build(double width, double height, double seconds) const override;
};
