#pragma once
#include "DibSurface.h"
#include "Rgb.h"
#include "Vec2.h"

// Software fills straight into a DibSurface's pixels: GDI's shaded triangles are several times
// slower, and these give the same pixels on every Windows version. Call GdiFlush before
// using the canvas after GDI has drawn on the surface.
class PixelCanvas {
public:
    explicit PixelCanvas(DibSurface& surface)
        : pixels_(surface.Pixels()), width_(surface.Width()), height_(surface.Height()) {}

    void Clear(Rgb color);
    // Colours are interpolated linearly across the triangle. A pixel is filled when its centre
    // is inside, edges shared by two triangles fill each pixel once.
    void FillShadedTriangle(Vec2 a, Vec2 b, Vec2 c, Rgb colorA, Rgb colorB, Rgb colorC);

private:
    std::uint32_t* pixels_;
    int width_;
    int height_;
};
