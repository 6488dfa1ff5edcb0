#include "WTextFit.h"

#include "WDeviceContext.h"

#include "WString.h"

#include <cstring>

SIZE MeasureWindowText(HWND window) {
    SIZE size = {0, 0};
    if (!window)
        return size;
    const int length = GetWindowTextLengthA(window);
    WString text;
    const int copied =
        GetWindowTextA(window, text.SetLength(static_cast<std::size_t>(length)), length + 1);
    text.SetLength(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    const WWindowDC dc(window);
    if (!dc.Get())
        return size;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    RECT r = {0, 0, 0, 0};
    {
        const WSelection selected(dc.Get(),
                                  font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
        const UINT lines =
            std::memchr(text.GetText(), '\n', text.GetLength()) ? 0 : DT_SINGLELINE;
        DrawTextA(dc.Get(), text.GetText(), static_cast<int>(text.GetLength()), &r,
                  DT_CALCRECT | lines);
    }
    size.cx = r.right - r.left;
    size.cy = r.bottom - r.top;
    return size;
}
