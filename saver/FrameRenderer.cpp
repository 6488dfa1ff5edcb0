#include "FrameRenderer.h"
#include "PixelCanvas.h"
#include <algorithm>
#include <cmath>
#include <windows.h>

namespace {

const Rgb kWhite{1, 1, 1};

} // namespace

void FrameRenderer::Draw(DibSurface& surface, const TilingFrame& frame, const Palette& palette,
                         double toneShift, double fade) {
    const int width = surface.Width(), height = surface.Height();
    const Rgb background = palette.Background();
    fade = std::clamp(fade, 0.0, 1.0);

    GdiFlush();  // GDI drawing still queued for the surface must land before the pixels are written
    PixelCanvas canvas(surface);
    canvas.Clear(background);
    for (const TileCell& cell : frame.cells) {
        const size_t count = cell.outline.size();
        if (count < 3)
            continue;
        // Lit from the centre: light in the middle of the cell, dark at its rim.
        const Rgb color = palette.ColorAt(cell.tone + toneShift);
        const Rgb rim = Mix(background, color * (0.08 + 0.3 * cell.brightness), fade);
        const Rgb lit = Mix(color * 0.5, Mix(color, kWhite, 0.2), std::min(1.0, cell.glow));
        const Rgb heart = Mix(background, Mix(rim, lit, std::min(1.0, cell.glow) * cell.brightness), fade);
        // Flat and round cells are filled whole, a row at a time; a fan of thin triangles
        // would cost a row setup per triangle.
        const bool flat = heart.r == rim.r && heart.g == rim.g && heart.b == rim.b;
        if (flat || cell.radius > 0) {
            canvas.FillPolygon(cell.outline, cell.centre, flat ? 0 : cell.radius, heart, rim);
            continue;
        }
        for (size_t k = 0; k < count; ++k)
            canvas.FillShadedTriangle(cell.centre, cell.outline[k], cell.outline[(k + 1) % count],
                                      heart, rim, rim);
    }

    // Stroke widths follow the view, so the preview is not drowned in glow.
    const double unit = std::max(0.2, std::min(width, height) / 1080.0);
    const double widths[3] = {std::max(2.0, std::round(10 * unit)), std::max(1.0, std::round(4 * unit)),
                              std::max(1.0, std::round(1.4 * unit))};
    const double strengths[3] = {0.3, 0.75, 1.0};
    for (int pass = 0; pass < 3; ++pass) {
        for (const GlowStroke& stroke : frame.strokes) {
            if (stroke.points.size() < 2 || stroke.intensity <= 0.02 || stroke.opacity <= 0.004)
                continue;
            Rgb c = palette.ColorAt(stroke.tone + toneShift);
            if (pass == 2)
                c = Mix(c, kWhite, 0.55);
            const double k = strengths[pass] * std::min(1.0, stroke.intensity);
            canvas.StrokePolyline(stroke.points, widths[pass], Mix(background, Mix(background, c, k), fade),
                                  stroke.opacity);
        }
    }
}
