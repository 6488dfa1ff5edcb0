#pragma once
// Scoped device-context work: a window's DC released, a painting ended, an object selected
// and put back, whatever way the scope is left.
#include <windows.h>

// GetDC/ReleaseDC; a null window is the screen.
class WWindowDC {
public:
    explicit WWindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WWindowDC(const WWindowDC&) = delete;
    WWindowDC& operator=(const WWindowDC&) = delete;
    ~WWindowDC() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint for WM_PAINT.
class WPaintDC {
public:
    explicit WPaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    WPaintDC(const WPaintDC&) = delete;
    WPaintDC& operator=(const WPaintDC&) = delete;
    ~WPaintDC() { EndPaint(window_, &paint_); }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;
};

// SelectObject now, the previous object back at the end of the scope.
class WSelection {
public:
    WSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    WSelection(const WSelection&) = delete;
    WSelection& operator=(const WSelection&) = delete;
    ~WSelection() {
        if (previous_)
            SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};
