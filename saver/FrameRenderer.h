#pragma once
#include "DibSurface.h"
#include "Palette.h"
#include "TilingFrame.h"

// Paints a TilingFrame: dark background, cells lit from their centre (shaded triangle fans),
// then strokes in three passes (wide and dim, medium, thin and bright) so edges seem to give
// off light. All of it is drawn in software straight into the surface's pixels.
class FrameRenderer {
public:
    // toneShift moves the whole frame along the palette; fade 0..1 dims it towards the
    // background (for changes of tiling).
    void Draw(DibSurface& surface, const TilingFrame& frame, const Palette& palette,
              double toneShift, double fade);
};
