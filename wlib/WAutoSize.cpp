#include "WAutoSize.h"

#include "WTextFit.h"

void WAutoSize::Enable(HWND window, bool on) {
    on_ = on;
    if (on)
        Fit(window);
}

void WAutoSize::AfterMessage(HWND window, UINT message) const {
    if (on_ && (message == WM_SETFONT || message == WM_SETTEXT))
        Fit(window);
}

void WAutoSize::Fit(HWND window) const {
    if (!window)
        return;
    SIZE size = MeasureWindowText(window);
    if (extra_)
        size = extra_(window, size);
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
}
