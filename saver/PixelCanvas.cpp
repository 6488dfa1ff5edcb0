#include "PixelCanvas.h"
#include <algorithm>
#include <cmath>

namespace {

// Channels in 8.16 fixed point, so a span steps by adding integers.
int ToFixed(double channel) { return static_cast<int>(std::clamp(channel, 0.0, 1.0) * 255 * 65536); }

std::uint32_t Pack(int r, int g, int b) {
    return (static_cast<std::uint32_t>(r >> 16) << 16) | (static_cast<std::uint32_t>(g >> 16) << 8) |
           static_cast<std::uint32_t>(b >> 16);
}

} // namespace

void PixelCanvas::Clear(Rgb color) {
    if (!pixels_)
        return;
    const std::uint32_t value = Pack(ToFixed(color.r), ToFixed(color.g), ToFixed(color.b));
    std::fill(pixels_, pixels_ + static_cast<size_t>(width_) * static_cast<size_t>(height_), value);
}

void PixelCanvas::FillShadedTriangle(Vec2 a, Vec2 b, Vec2 c, Rgb colorA, Rgb colorB, Rgb colorC) {
    if (!pixels_)
        return;
    const double area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    if (std::fabs(area) < 1e-9)
        return;
    // Each channel is a plane over the triangle: value = v0 + dx * (x - a.x) + dy * (y - a.y).
    auto gradient = [&](double va, double vb, double vc, double& dx, double& dy) {
        dx = ((vb - va) * (c.y - a.y) - (vc - va) * (b.y - a.y)) / area;
        dy = ((vc - va) * (b.x - a.x) - (vb - va) * (c.x - a.x)) / area;
    };
    double rdx, rdy, gdx, gdy, bdx, bdy;
    gradient(colorA.r, colorB.r, colorC.r, rdx, rdy);
    gradient(colorA.g, colorB.g, colorC.g, gdx, gdy);
    gradient(colorA.b, colorB.b, colorC.b, bdx, bdy);

    const double top = std::min({a.y, b.y, c.y}), bottom = std::max({a.y, b.y, c.y});
    const int yFirst = std::max(0, static_cast<int>(std::ceil(top - 0.5)));
    const int yEnd = std::min(height_, static_cast<int>(std::ceil(bottom - 0.5)));
    const Vec2 edges[3][2] = {{a, b}, {b, c}, {c, a}};
    for (int y = yFirst; y < yEnd; ++y) {
        const double yc = y + 0.5;
        double left = 1e30, right = -1e30;
        for (const auto& edge : edges) {
            const Vec2 p = edge[0], q = edge[1];
            // Half-open in y, so a vertex on the scanline is counted by one edge of each side.
            if ((p.y <= yc && q.y > yc) || (q.y <= yc && p.y > yc)) {
                const double x = p.x + (yc - p.y) * (q.x - p.x) / (q.y - p.y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        if (left > right)
            continue;
        const int xFirst = std::max(0, static_cast<int>(std::ceil(left - 0.5)));
        const int xEnd = std::min(width_, static_cast<int>(std::ceil(right - 0.5)));
        if (xFirst >= xEnd)
            continue;
        const double dx0 = xFirst + 0.5 - a.x, dy0 = yc - a.y;
        int r = ToFixed(colorA.r + rdx * dx0 + rdy * dy0);
        int g = ToFixed(colorA.g + gdx * dx0 + gdy * dy0);
        int bl = ToFixed(colorA.b + bdx * dx0 + bdy * dy0);
        const int rStep = static_cast<int>(rdx * 255 * 65536), gStep = static_cast<int>(gdx * 255 * 65536),
                  bStep = static_cast<int>(bdx * 255 * 65536);
        const int maxValue = 255 * 65536;
        std::uint32_t* row = pixels_ + static_cast<size_t>(y) * static_cast<size_t>(width_);
        for (int x = xFirst; x < xEnd; ++x) {
            row[x] = Pack(std::clamp(r, 0, maxValue), std::clamp(g, 0, maxValue), std::clamp(bl, 0, maxValue));
            r += rStep;
            g += gStep;
            bl += bStep;
        }
    }
}
