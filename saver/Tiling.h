#pragma once
#include "TilingFrame.h"
#include <cstdint>

// A family of animated tilings. Build is a pure function of the construction arguments, the
// view size and the time, so a frame can be reproduced exactly.
class Tiling {
public:
    Tiling(std::uint64_t seed, int density) : seed_(seed), density_(density) {}
    virtual ~Tiling() = default;
    Tiling(const Tiling&) = delete;
    Tiling& operator=(const Tiling&) = delete;

    // seconds: animation time (already scaled by the speed setting).
    virtual TilingFrame Build(double width, double height, double seconds) const = 0;

protected:
    std::uint64_t Seed() const { return seed_; }
    // Typical cell size in pixels: density 1 gives a few large cells, 10 many small ones.
    double CellSize(double width, double height) const;

private:
    std::uint64_t seed_;
    int density_;
};

// 0 below edge0, 1 above edge1, smooth in between.
double SmoothStep(double edge0, double edge1, double x);
