#pragma once

// A colour with channels in 0..1 (values above 1 are clipped when drawn).
struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

inline Rgb operator*(Rgb c, double k) { return {c.r * k, c.g * k, c.b * k}; }
inline Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
