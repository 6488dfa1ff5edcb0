#include "Tiling.h"
#include <algorithm>
#include <cmath>

double Tiling::CellSize(double width, double height) const {
    const int density = std::clamp(density_, 1, 10);
    const double shortSide = std::max(16.0, std::min(width, height));
    // Geometric steps so each density step feels alike: 0.22 .. 0.045 of the short side.
    const double fraction = 0.22 * std::pow(0.045 / 0.22, (density - 1) / 9.0);
    return std::max(4.0, shortSide * fraction);
}

double SmoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}
