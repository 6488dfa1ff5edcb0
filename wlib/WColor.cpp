#include "WColor.h"

WColor WColor::FromIndex(int index) {
    static constexpr COLORREF fixed[SystemColorBase] = {
        RGB(255, 255, 255), RGB(255, 0, 0),     RGB(0, 255, 0),     RGB(0, 0, 255),
        RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(0, 0, 128),     RGB(0, 0, 0),
        RGB(255, 255, 255), RGB(128, 128, 128), RGB(192, 192, 192),
    };
    if (index >= 0 && index < SystemColorBase)
        return FromColorRef(fixed[index]);
    if (index >= SystemColorBase && index <= SystemColorBase + COLOR_MENUBAR)
        return FromColorRef(GetSysColor(index - SystemColorBase));
    return WColor();
}
