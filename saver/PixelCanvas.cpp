#include "PixelCanvas.h"
#include <algorithm>
#include <cmath>

namespace {

// Channels in 8.16 fixed point, rounded, so a span steps by adding integers and the top byte
// of each is the channel.
int ToFixed(double channel) { return static_cast<int>(std::clamp(channel, 0.0, 1.0) * 0xFF0000 + 0x8000); }

std::uint32_t Pack(int r, int g, int b) {
    return (static_cast<std::uint32_t>(r) & 0xFF0000u) | ((static_cast<std::uint32_t>(g) >> 8) & 0xFF00u) |
           (static_cast<std::uint32_t>(b) >> 16);
}

std::uint32_t Pack(Rgb c) { return Pack(ToFixed(c.r), ToFixed(c.g), ToFixed(c.b)); }

// The first pixel whose centre is at or right of (below) `edge`, give or take a billionth of
// a pixel; both sides of a shared edge round alike, so they still meet without gap or overlap.
// The edge is kept near 0..limit so far-off coordinates cannot overflow; rounding by hand, as
// std::ceil is a call.
int FirstPixel(double edge, int limit) {
    const double shifted = std::clamp(edge, -1.0, limit + 1.0) + 1.5;  // >= 0, shifted by 2 pixels
    return static_cast<int>(shifted + (1 - 1e-9)) - 2;
}

} // namespace

void PixelCanvas::Clear(Rgb color) {
    if (!pixels_)
        return;
    std::fill(pixels_, pixels_ + static_cast<size_t>(width_) * static_cast<size_t>(height_), Pack(color));
}

void PixelCanvas::FillShadedTriangle(Vec2 a, Vec2 b, Vec2 c, Rgb colorA, Rgb colorB, Rgb colorC) {
    if (!pixels_)
        return;
    const double area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    if (std::fabs(area) < 1e-9)
        return;
    // Each channel is a plane over the triangle, in fixed point: value = v0 + dx * (x - a.x) +
    // dy * (y - a.y). With the corners in range, every pixel centre inside is too.
    struct Plane {
        double base;
        double dx;
        double dy;
    };
    auto plane = [&](double va, double vb, double vc) {
        va = std::clamp(va, 0.0, 1.0) * 0xFF0000, vb = std::clamp(vb, 0.0, 1.0) * 0xFF0000,
        vc = std::clamp(vc, 0.0, 1.0) * 0xFF0000;
        return Plane{va + 0x8000, ((vb - va) * (c.y - a.y) - (vc - va) * (b.y - a.y)) / area,
                     ((vc - va) * (b.x - a.x) - (vb - va) * (c.x - a.x)) / area};
    };
    const Plane planes[3] = {plane(colorA.r, colorB.r, colorC.r), plane(colorA.g, colorB.g, colorC.g),
                             plane(colorA.b, colorB.b, colorC.b)};
    const std::uint32_t flatColor = Pack(colorA);
    const bool flat = flatColor == Pack(colorB) && flatColor == Pack(colorC);
    int steps[3];
    for (int k = 0; k < 3; ++k)
        steps[k] = static_cast<int>(std::clamp(planes[k].dx, -16777215.0, 16777215.0));

    // Walk the rows top to bottom between the long edge (v0-v2) and the two short ones.
    Vec2 v[3] = {a, b, c};
    if (v[1].y < v[0].y)
        std::swap(v[0], v[1]);
    if (v[2].y < v[1].y)
        std::swap(v[1], v[2]);
    if (v[1].y < v[0].y)
        std::swap(v[0], v[1]);
    const int yFirst = std::max(0, FirstPixel(v[0].y, height_));
    const int yEnd = std::min(height_, FirstPixel(v[2].y, height_));
    if (yFirst >= yEnd)
        return;
    auto slope = [](Vec2 p, Vec2 q) { return q.y > p.y ? (q.x - p.x) / (q.y - p.y) : 0.0; };
    const double longSlope = slope(v[0], v[2]), upperSlope = slope(v[0], v[1]), lowerSlope = slope(v[1], v[2]);

    for (int y = yFirst; y < yEnd; ++y) {
        // Half-open in y, so a vertex on the row is counted by one edge of each side.
        const double yc = y + 0.5;
        const double xLong = v[0].x + (yc - v[0].y) * longSlope;
        const double xShort = yc < v[1].y ? v[0].x + (yc - v[0].y) * upperSlope : v[1].x + (yc - v[1].y) * lowerSlope;
        const int xFirst = std::max(0, FirstPixel(std::min(xLong, xShort), width_));
        const int xEnd = std::min(width_, FirstPixel(std::max(xLong, xShort), width_));
        if (xFirst >= xEnd)
            continue;
        std::uint32_t* row = pixels_ + static_cast<size_t>(y) * static_cast<size_t>(width_);
        if (flat) {
            std::fill(row + xFirst, row + xEnd, flatColor);
            continue;
        }
        const int last = xEnd - 1 - xFirst;
        int value[3], step[3];
        for (int k = 0; k < 3; ++k) {
            const Plane& p = planes[k];
            const double first = p.base + p.dx * (xFirst + 0.5 - a.x) + p.dy * (yc - a.y);
            value[k] = static_cast<int>(std::clamp(first, 0.0, 16777215.0));
            step[k] = steps[k];
            // Only slivers thinner than a pixel can stray out of range; keep their ends in it.
            const long long end = value[k] + static_cast<long long>(step[k]) * last;
            if (end < 0 || end > 0xFFFFFF)
                step[k] = static_cast<int>((std::clamp(end, 0LL, 0xFFFFFFLL) - value[k]) / last);
        }
        int r = value[0], g = value[1], bl = value[2];
        for (int x = xFirst; x < xEnd; ++x) {
            row[x] = Pack(r, g, bl);
            r += step[0];
            g += step[1];
            bl += step[2];
        }
    }
}

namespace {

// sqrt(i / 4096) in 1/256ths, for lighting by distance without a square root per pixel.
const int kRootSteps = 4096;
const std::uint16_t* SquareRoots() {
    static const auto table = [] {
        std::vector<std::uint16_t> roots(kRootSteps + 1);
        for (int i = 0; i <= kRootSteps; ++i)
            roots[static_cast<size_t>(i)] = static_cast<std::uint16_t>(std::lround(std::sqrt(i / double(kRootSteps)) * 256));
        return roots;
    }();
    return table.data();
}

} // namespace

void PixelCanvas::FillPolygon(const std::vector<Vec2>& outline, Vec2 centre, double radius, Rgb heart, Rgb rim) {
    if (!pixels_ || outline.size() < 3)
        return;
    edges_.clear();
    for (size_t k = 0; k < outline.size(); ++k) {
        Vec2 p = outline[k], q = outline[(k + 1) % outline.size()];
        if (q.y < p.y)
            std::swap(p, q);
        const int rowFirst = std::max(0, FirstPixel(p.y, height_));
        const int rowEnd = std::min(height_, FirstPixel(q.y, height_));
        if (rowFirst < rowEnd)
            edges_.push_back({rowFirst, rowEnd, p, (q.x - p.x) / (q.y - p.y)});
    }
    if (edges_.empty())
        return;
    std::sort(edges_.begin(), edges_.end(), [](const Edge& e, const Edge& f) { return e.rowFirst < f.rowFirst; });

    // Radial light: a ramp of 257 colours from heart to rim, picked by distance.
    const std::uint32_t rimColor = Pack(rim);
    const bool radial = radius > 0 && Pack(heart) != rimColor;
    const std::uint16_t* roots = SquareRoots();
    long long centreX = 0, centreY = 0, radius2 = 1, perRoot = 0;  // in 1/16 pixels
    if (radial) {
        const int from[3] = {ToFixed(heart.r), ToFixed(heart.g), ToFixed(heart.b)};
        const int to[3] = {ToFixed(rim.r), ToFixed(rim.g), ToFixed(rim.b)};
        for (int s = 0; s <= 256; ++s) {
            int channel[3];
            for (int k = 0; k < 3; ++k)
                channel[k] = from[k] + (to[k] - from[k]) / 256 * s;
            ramp_[static_cast<size_t>(s)] = Pack(channel[0], channel[1], channel[2]);
        }
        centreX = std::llround(centre.x * 16), centreY = std::llround(centre.y * 16);
        radius2 = std::max(1LL, std::llround(radius * 16 * radius * 16));
        perRoot = (static_cast<long long>(kRootSteps) << 32) / radius2;
    }

    active_.clear();
    size_t next = 0;
    for (int y = edges_.front().rowFirst; y < height_ && (next < edges_.size() || !active_.empty()); ++y) {
        while (next < edges_.size() && edges_[next].rowFirst <= y)
            active_.push_back(next++);
        active_.erase(std::remove_if(active_.begin(), active_.end(), [&](size_t e) { return edges_[e].rowEnd <= y; }),
                      active_.end());
        const double yc = y + 0.5;
        crossings_.clear();
        for (size_t e : active_)
            crossings_.push_back(edges_[e].upper.x + (yc - edges_[e].upper.y) * edges_[e].slope);
        std::sort(crossings_.begin(), crossings_.end());
        std::uint32_t* row = pixels_ + static_cast<size_t>(y) * static_cast<size_t>(width_);
        const long long dy = y * 16LL + 8 - centreY;
        for (size_t k = 0; k + 1 < crossings_.size(); k += 2) {
            const int xFirst = std::max(0, FirstPixel(crossings_[k], width_));
            const int xEnd = std::min(width_, FirstPixel(crossings_[k + 1], width_));
            if (xFirst >= xEnd)
                continue;
            if (!radial) {
                std::fill(row + xFirst, row + xEnd, rimColor);
                continue;
            }
            // Squared distance stepped along the row: (d + 16)^2 = d^2 + 32 d + 256.
            long long dx = xFirst * 16LL + 8 - centreX;
            long long distance2 = dx * dx + dy * dy, increment = 32 * dx + 256;
            for (int x = xFirst; x < xEnd; ++x) {
                row[x] = ramp_[distance2 >= radius2 ? 256 : roots[(distance2 * perRoot) >> 32]];
                distance2 += increment;
                increment += 512;
            }
        }
    }
}

void PixelCanvas::FillRow(int y, double left, double right, std::uint32_t color, int alpha) {
    const int xFirst = std::max(0, FirstPixel(left, width_));
    const int xEnd = std::min(width_, FirstPixel(right, width_));
    std::uint32_t* row = pixels_ + static_cast<size_t>(y) * static_cast<size_t>(width_);
    if (alpha >= 256) {
        if (xFirst < xEnd)
            std::fill(row + xFirst, row + xEnd, color);
        return;
    }
    // Red and blue blend side by side in one word, green in another.
    const std::uint32_t keep = 256 - static_cast<std::uint32_t>(alpha);
    const std::uint32_t rb = (color & 0xFF00FFu) * static_cast<std::uint32_t>(alpha);
    const std::uint32_t g = (color & 0xFF00u) * static_cast<std::uint32_t>(alpha);
    for (int x = xFirst; x < xEnd; ++x) {
        const std::uint32_t p = row[x];
        row[x] = ((((p & 0xFF00FFu) * keep + rb) >> 8) & 0xFF00FFu) | ((((p & 0xFF00u) * keep + g) >> 8) & 0xFF00u);
    }
}

void PixelCanvas::StrokePolyline(const std::vector<Vec2>& points, double width, Rgb color, double opacity) {
    if (!pixels_ || points.empty())
        return;
    const int alpha = static_cast<int>(std::lround(std::clamp(opacity, 0.0, 1.0) * 256));
    if (alpha <= 0)
        return;
    const double radius = width / 2;
    segments_.clear();
    double top = 1e30, bottom = -1e30;
    for (size_t k = 0; k == 0 || k + 1 < points.size(); ++k) {
        const Vec2 from = points[k], to = points[std::min(k + 1, points.size() - 1)];
        const Vec2 d = to - from;
        const double length = std::sqrt(Dot(d, d));
        const Vec2 direction = length > 1e-9 ? d * (1 / length) : Vec2{};
        const double segmentTop = std::min(from.y, to.y) - radius, segmentBottom = std::max(from.y, to.y) + radius;
        const double alongPerX = std::fabs(direction.x) > 1e-12 ? 1 / direction.x : 0;
        const double acrossPerX = std::fabs(direction.y) > 1e-12 ? -1 / direction.y : 0;
        segments_.push_back({from, to, direction, length > 1e-9 ? length : 0, alongPerX, acrossPerX, segmentTop,
                             segmentBottom});
        top = std::min(top, segmentTop);
        bottom = std::max(bottom, segmentBottom);
    }
    const std::uint32_t packed = Pack(color);
    const int yFirst = std::max(0, FirstPixel(top, height_));
    const int yEnd = std::min(height_, FirstPixel(bottom, height_) + 1);
    const double r2 = radius * radius;
    for (int y = yFirst; y < yEnd; ++y) {
        const double yc = y + 0.5;
        spans_.clear();
        for (const Segment& s : segments_) {
            if (yc < s.top || yc > s.bottom)
                continue;
            // A segment's pen shape is two discs and the rectangle between them; the row meets
            // the union of the three (which is convex) in one span.
            double left = 1e30, right = -1e30;
            for (Vec2 end : {s.from, s.to}) {
                const double dy = yc - end.y;
                if (dy * dy <= r2) {
                    const double half = std::sqrt(r2 - dy * dy);
                    left = std::min(left, end.x - half);
                    right = std::max(right, end.x + half);
                }
            }
            if (s.length > 0) {
                // Along the segment 0..length and across it -radius..radius, both linear in x.
                const double dy = yc - s.from.y;
                double low = -1e30, high = 1e30;
                auto limit = [&](double perX, double offset, double from, double to) {
                    if (perX == 0) {
                        if (offset < from || offset > to)
                            low = 1e30;
                        return;
                    }
                    double u0 = (from - offset) * perX, u1 = (to - offset) * perX;
                    if (u0 > u1)
                        std::swap(u0, u1);
                    low = std::max(low, u0);
                    high = std::min(high, u1);
                };
                limit(s.alongPerX, dy * s.direction.y, 0, s.length);
                limit(s.acrossPerX, dy * s.direction.x, -radius, radius);
                if (low <= high) {
                    left = std::min(left, s.from.x + low);
                    right = std::max(right, s.from.x + high);
                }
            }
            if (left <= right)
                spans_.push_back({left, right});
        }
        if (spans_.empty())
            continue;
        for (size_t k = 1; k < spans_.size(); ++k) {  // a handful at most: insertion sort
            for (size_t m = k; m > 0 && spans_[m].left < spans_[m - 1].left; --m)
                std::swap(spans_[m], spans_[m - 1]);
        }
        Span merged = spans_[0];
        for (size_t k = 1; k < spans_.size(); ++k) {
            if (spans_[k].left <= merged.right) {
                merged.right = std::max(merged.right, spans_[k].right);
            } else {
                FillRow(y, merged.left, merged.right, packed, alpha);
                merged = spans_[k];
            }
        }
        FillRow(y, merged.left, merged.right, packed, alpha);
    }
}
