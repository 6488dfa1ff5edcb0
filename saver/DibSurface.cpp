#include "DibSurface.h"
#include <utility>

DibSurface::DibSurface(int width, int height) {
    if (width <= 0 || height <= 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        DeleteObject(bitmap);
        return;
    }
    dc_ = dc;
    bitmap_ = bitmap;
    previous_ = SelectObject(dc_, bitmap_);
    pixels_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
}

DibSurface::DibSurface(DibSurface&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)), bitmap_(std::exchange(other.bitmap_, nullptr)),
      previous_(std::exchange(other.previous_, nullptr)),
      pixels_(std::exchange(other.pixels_, nullptr)), width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

DibSurface& DibSurface::operator=(DibSurface&& other) noexcept {
    if (this != &other) {
        Release();
        dc_ = std::exchange(other.dc_, nullptr);
        bitmap_ = std::exchange(other.bitmap_, nullptr);
        previous_ = std::exchange(other.previous_, nullptr);
        pixels_ = std::exchange(other.pixels_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

void DibSurface::Release() {
    if (dc_) {
        SelectObject(dc_, previous_);
        DeleteDC(std::exchange(dc_, nullptr));
    }
    if (bitmap_)
        DeleteObject(std::exchange(bitmap_, nullptr));
    pixels_ = nullptr;
    width_ = height_ = 0;
}
