#pragma once
#include <windows.h>

// A colour, given to the library by red, green and blue or by an index of its colour table:
//   0 the default background (white)   1 red        2 green       3 blue
//   4 dark red                         5 dark green 6 dark blue   7 black
//   8 white                            9 grey       10 light grey
//   11 + n  the system colour n (GetSysColor), so 26 is COLOR_BTNFACE.
class WColor {
public:
    static constexpr int SystemColorBase = 11;

    constexpr WColor() = default;
    constexpr WColor(BYTE red, BYTE green, BYTE blue) : rgb_(RGB(red, green, blue)) {}
    static WColor FromIndex(int index);
    static WColor FromColorRef(COLORREF rgb) {
        WColor color;
        color.rgb_ = rgb;
        return color;
    }

    COLORREF GetColorRef() const { return rgb_; }
    friend bool operator==(WColor a, WColor b) { return a.rgb_ == b.rgb_; }

private:
    COLORREF rgb_ = RGB(255, 255, 255);
};
