#include "FrameRenderer.h"
#include "GdiObject.h"
#include "PixelCanvas.h"
#include <algorithm>
#include <cmath>

namespace {

COLORREF ToColorRef(Rgb c) {
    auto channel = [](double v) { return static_cast<BYTE>(std::clamp(v, 0.0, 1.0) * 255 + 0.5); };
    return RGB(channel(c.r), channel(c.g), channel(c.b));
}

const Rgb kWhite{1, 1, 1};

// Selects an object for the lifetime of the guard.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace

const std::vector<POINT>& FrameRenderer::ToPoints(const std::vector<Vec2>& points, Vec2 centre,
                                                  double scale) {
    points_.resize(points.size());
    for (size_t k = 0; k < points.size(); ++k) {
        const Vec2 p = centre + (points[k] - centre) * scale;
        points_[k] = {static_cast<LONG>(std::lround(p.x)), static_cast<LONG>(std::lround(p.y))};
    }
    return points_;
}

void FrameRenderer::Draw(DibSurface& surface, const TilingFrame& frame, const Palette& palette,
                         double toneShift, double fade) {
    const HDC dc = surface.Dc();
    const int width = surface.Width(), height = surface.Height();
    const Rgb background = palette.Background();
    fade = std::clamp(fade, 0.0, 1.0);
    auto faded = [&](Rgb c) { return ToColorRef(Mix(background, c, fade)); };

    GdiFlush();  // the last frame's GDI drawing must land before the pixels are written
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
        for (size_t k = 0; k < count; ++k)
            canvas.FillShadedTriangle(cell.centre, cell.outline[k], cell.outline[(k + 1) % count],
                                      heart, rim, rim);
    }

    // Stroke widths follow the view, so the preview is not drowned in glow.
    const double unit = std::max(0.2, std::min(width, height) / 1080.0);
    const int widths[3] = {std::max(2, static_cast<int>(std::lround(10 * unit))),
                           std::max(1, static_cast<int>(std::lround(4 * unit))),
                           std::max(1, static_cast<int>(std::lround(1.4 * unit)))};
    const double strengths[3] = {0.3, 0.75, 1.0};
    for (int pass = 0; pass < 3; ++pass) {
        for (const GlowStroke& stroke : frame.strokes) {
            if (stroke.points.size() < 2 || stroke.intensity <= 0.02)
                continue;
            Rgb c = palette.ColorAt(stroke.tone + toneShift);
            if (pass == 2)
                c = Mix(c, kWhite, 0.55);
            const double k = strengths[pass] * std::min(1.0, stroke.intensity);
            const GdiObject<HPEN> pen(CreatePen(PS_SOLID, widths[pass], faded(Mix(background, c, k))));
            Selection selected(dc, pen.Get());
            const auto& points = ToPoints(stroke.points, {}, 1.0);
            Polyline(dc, points.data(), static_cast<int>(points.size()));
        }
    }
}
