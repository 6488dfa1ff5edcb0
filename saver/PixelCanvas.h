#pragma once
#include "DibSurface.h"
#include "Rgb.h"
#include "Vec2.h"
#include <array>
#include <vector>

// Software fills straight into a DibSurface's pixels: GDI's shaded triangles and wide pens are
// many times slower (wide pens most of all under Wine), and these give the same pixels on every
// Windows version. Call GdiFlush before using the canvas after GDI has drawn on the surface.
class PixelCanvas {
public:
    explicit PixelCanvas(DibSurface& surface)
        : pixels_(surface.Pixels()), width_(surface.Width()), height_(surface.Height()) {}

    void Clear(Rgb color);
    // Colours are interpolated linearly across the triangle. A pixel is filled when its centre
    // is inside, edges shared by two triangles fill each pixel once.
    void FillShadedTriangle(Vec2 a, Vec2 b, Vec2 c, Rgb colorA, Rgb colorB, Rgb colorC);
    // Fills a simple polygon (even-odd), with the same rule for shared edges as the
    // triangles. Colour heart at `centre` fading to rim at `radius` and beyond; flat rim when
    // radius is 0.
    void FillPolygon(const std::vector<Vec2>& outline, Vec2 centre, double radius, Rgb heart, Rgb rim);
    // Fills every pixel whose centre lies within width / 2 of the polyline (round joins and
    // ends, like a wide GDI pen), each pixel once, so opacity below 1 blends evenly over what
    // is there.
    void StrokePolyline(const std::vector<Vec2>& points, double width, Rgb color, double opacity = 1);

private:
    struct Segment {
        Vec2 from;
        Vec2 to;
        Vec2 direction;  // unit vector from `from` to `to`, zero for a dot
        double length;
        double alongPerX;   // 1 / direction.x (0 when that is 0)
        double acrossPerX;  // -1 / direction.y (0 when that is 0)
        double top;
        double bottom;
    };
    struct Span {
        double left;
        double right;
    };
    struct Edge {
        int rowFirst;  // rows whose centre is at or below the upper end and above the lower
        int rowEnd;
        Vec2 upper;
        double slope;  // x per row
    };

    void FillRow(int y, double left, double right, std::uint32_t color, int alpha);

    std::uint32_t* pixels_;
    int width_;
    int height_;
    std::vector<Segment> segments_;
    std::vector<Span> spans_;
    std::vector<Edge> edges_;
    std::vector<size_t> active_;
    std::vector<double> crossings_;
    std::array<std::uint32_t, 257> ramp_{};
};
