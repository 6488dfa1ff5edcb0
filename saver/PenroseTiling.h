#pragma once
#include "Tiling.h"

// Penrose rhomb tilings from de Bruijn's pentagrid: every crossing of two of five families of
// parallel lines becomes one rhomb. The grid offsets drift, so the tiling rearranges itself by
// local flips while staying aperiodic and gap-free.
class PenroseTiling : public Tiling {
public:
    using Tiling::Tiling;
    TilingFrame Build(double width, double height, double seconds) const override;
};
