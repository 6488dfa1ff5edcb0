#include "Screen.h"

#include "Handles.h"

#include <algorithm>
#include <cstdio>

namespace e2e {

ScreenCapture::ScreenCapture()
    : ScreenCapture(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}) {}

ScreenCapture::ScreenCapture(const RECT& area) : area_(area) {
    width_ = area.right - area.left;
    height_ = area.bottom - area.top;
    if (width_ <= 0 || height_ <= 0)
        return;
    UniqueScreenDc screen(GetDC(nullptr));
    UniqueMemoryDc memory(CreateCompatibleDC(screen.Get()));
    if (!screen || !memory)
        return;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueGdiObject dib(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits)
        return;
    HGDIOBJ old = SelectObject(memory.Get(), dib.Get());
    ok_ = BitBlt(memory.Get(), 0, 0, width_, height_, screen.Get(), area.left, area.top,
                 SRCCOPY) != 0;
    GdiFlush();
    const auto* begin = static_cast<const unsigned char*>(bits);
    bgra_.assign(begin, begin + static_cast<size_t>(width_) * height_ * 4);
    SelectObject(memory.Get(), old);
}

COLORREF ScreenCapture::At(int x, int y) const {
    const int cx = x - area_.left;
    const int cy = y - area_.top;
    if (!ok_ || cx < 0 || cy < 0 || cx >= width_ || cy >= height_)
        return CLR_INVALID;
    const unsigned char* p = &bgra_[(static_cast<size_t>(cy) * width_ + cx) * 4];
    return RGB(p[2], p[1], p[0]);
}

int ScreenCapture::Count(const RECT& area, COLORREF colour) const {
    int count = 0;
    for (int y = std::max(area.top, area_.top); y < std::min(area.bottom, area_.bottom); ++y)
        for (int x = std::max(area.left, area_.left); x < std::min(area.right, area_.right); ++x)
            count += At(x, y) == colour;
    return count;
}

int ScreenCapture::CountOther(const RECT& area, COLORREF colour) const {
    int count = 0;
    for (int y = std::max(area.top, area_.top); y < std::min(area.bottom, area_.bottom); ++y)
        for (int x = std::max(area.left, area_.left); x < std::min(area.right, area_.right); ++x)
            count += At(x, y) != colour;
    return count;
}

bool ScreenCapture::SaveBmp(const std::string& path) const {
    if (!ok_)
        return false;
    const int rowBytes = (width_ * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width_;
    header.biHeight = height_;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(rowBytes) * height_;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::vector<unsigned char> row(static_cast<size_t>(rowBytes), 0);
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const unsigned char* p = &bgra_[(static_cast<size_t>(y) * width_ + x) * 4];
            row[x * 3] = p[0];
            row[x * 3 + 1] = p[1];
            row[x * 3 + 2] = p[2];
        }
        std::fwrite(row.data(), row.size(), 1, out);
    }
    return std::fclose(out) == 0;
}

std::string Describe(COLORREF colour) {
    char text[40];
    if (colour == CLR_INVALID)
        return "CLR_INVALID";
    std::snprintf(text, sizeof text, "RGB(%d,%d,%d)", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

std::string Describe(const RECT& r) {
    char text[80];
    std::snprintf(text, sizeof text, "{%ld,%ld,%ld,%ld}", r.left, r.top, r.right, r.bottom);
    return text;
}

} // namespace e2e
