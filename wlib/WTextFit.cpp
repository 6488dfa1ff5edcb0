#include "WTextFit.h"

#include "WDeviceContext.h"

#include <string>

SIZE MeasureWindowText(HWND window) {
    SIZE size = {0, 0};
    if (!window)
        return size;
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
    const WWindowDC dc(window);
    if (!dc.Get())
        return size;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    RECT r = {0, 0, 0, 0};
    {
        const WSelection selected(dc.Get(),
                                  font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
        const UINT lines = text.find('\n') == std::string::npos ? DT_SINGLELINE : 0;
        DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | lines);
    }
    size.cx = r.right - r.left;
    size.cy = r.bottom - r.top;
    return size;
}
