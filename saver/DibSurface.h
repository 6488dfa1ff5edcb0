#pragma once
#include <cstdint>
#include <windows.h>

// An offscreen 32-bit top-down DIB with its own memory DC: the back buffer of the saver and
// the canvas of tests and the benchmark. Pixels are 0x00RRGGBB, row after row.
class DibSurface {
public:
    DibSurface() = default;
    DibSurface(int width, int height);
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;
    DibSurface(DibSurface&& other) noexcept;
    DibSurface& operator=(DibSurface&& other) noexcept;
    ~DibSurface() { Release(); }

    explicit operator bool() const { return dc_ != nullptr; }
    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Call GdiFlush before reading pixels that GDI has just drawn.
    const std::uint32_t* Pixels() const { return pixels_; }
    std::uint32_t* Pixels() { return pixels_; }

private:
    void Release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
