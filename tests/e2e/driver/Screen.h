#pragma once
// Screen pixels, for colour checks: what the user would see, read back from the display.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class ScreenCapture {
public:
    // Copies `area` (screen coordinates) of the screen; Ok() tells whether that worked.
    explicit ScreenCapture(const RECT& area);
    // The whole screen.
    ScreenCapture();

    bool Ok() const { return ok_; }
    const RECT& Area() const { return area_; }
    // Pixel at screen coordinates; CLR_INVALID outside the captured area.
    COLORREF At(int x, int y) const;
    // Pixels of `colour` within `area` (screen coordinates, clipped to the capture).
    int Count(const RECT& area, COLORREF colour) const;
    // Pixels within `area` that are not `colour`.
    int CountOther(const RECT& area, COLORREF colour) const;
    // Writes a 24-bit bottom-up BMP for a human to look at.
    bool SaveBmp(const std::string& path) const;

private:
    RECT area_ = {};
    int width_ = 0;
    int height_ = 0;
    std::vector<unsigned char> bgra_; // top-down rows of 32-bit pixels
    bool ok_ = false;
};

std::string Describe(COLORREF colour); // "RGB(0,0,128)"
std::string Describe(const RECT& r);   // "{l,t,r,b}"

} // namespace e2e
