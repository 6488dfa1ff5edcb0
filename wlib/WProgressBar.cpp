#include "WProgressBar.h"

#include "WDeviceContext.h"

#include <commctrl.h>

WProgressBar::PercentageLayout WProgressBar::LayOutPercentage(int minimum, int maximum,
                                                              int position, int width) {
    const long long range = maximum == minimum ? 1 : static_cast<long long>(maximum) - minimum;
    const long long done = static_cast<long long>(position) - minimum;
    PercentageLayout layout = {};
    layout.split = static_cast<int>(static_cast<long long>(width) * done / range);
    long long percent = done * 100 / range;
    if (percent < 0)
        percent = 0;
    if (percent > 100)
        percent = 100;
    wsprintfA(layout.text, "%3d%%", static_cast<int>(percent));
    return layout;
}

void WProgressBar::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    if (Exists())
        SendMessageA(GetHandle(), PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
    SetPosition(position_);
}

void WProgressBar::SetPosition(int position) {
    const int low = minimum_ < maximum_ ? minimum_ : maximum_;
    const int high = minimum_ < maximum_ ? maximum_ : minimum_;
    position_ = position < low ? low : position > high ? high : position;
    Send();
}

void WProgressBar::Advance(int delta) {
    const long long next = static_cast<long long>(position_) + delta;
    position_ = next > maximum_ ? maximum_ : static_cast<int>(next);
    Send();
}

void WProgressBar::Send() {
    if (Exists())
        SendMessageA(GetHandle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void WProgressBar::SetBarColor(WColor color) {
    SetTextColor(color);
    if (Exists())
        SendMessageA(GetHandle(), PBM_SETBARCOLOR, 0, static_cast<LPARAM>(color.GetColorRef()));
}

void WProgressBar::SetPercentageDisplay(bool on) {
    percentage_ = on;
    Repaint();
}

bool WProgressBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            Repaint();
        result = 0;
        return true;
    case WM_GETFONT:
        result = reinterpret_cast<LRESULT>(font_);
        return true;
    case WM_ERASEBKGND:
        if (!percentage_)
            return false;
        result = 1; // WM_PAINT covers every pixel
        return true;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        if (!percentage_)
            return false;
        if (message == WM_PRINTCLIENT || wParam) {
            Paint(reinterpret_cast<HDC>(wParam));
        } else {
            const WPaintDC dc(GetHandle());
            Paint(dc.Get());
        }
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

void WProgressBar::Paint(HDC dc) {
    RECT client;
    GetClientRect(GetHandle(), &client);
    const int width = client.right - client.left;
    const PercentageLayout layout = LayOutPercentage(minimum_, maximum_, position_, width);
    const int length = lstrlenA(layout.text);

    const WSelection font(dc,
                          font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, layout.text, length, &extent);
    const int x = client.left + (width - extent.cx) / 2;
    const int y = client.top + (client.bottom - client.top - extent.cy) / 2;

    const COLORREF bar =
        HasTextColor() ? GetTextColor().GetColorRef() : GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF background = GetBackgroundColor().GetColorRef();
    const UINT options = ETO_OPAQUE | ETO_CLIPPED;

    RECT rest = client;
    rest.left = client.left + layout.split;
    if (rest.left < client.left)
        rest.left = client.left;
    if (rest.left > client.right)
        rest.left = client.right;
    ::SetBkColor(dc, background);
    ::SetTextColor(dc, bar);
    ExtTextOutA(dc, x, y, options, &rest, layout.text, static_cast<UINT>(length), nullptr);

    RECT completed = client;
    completed.right = rest.left;
    ::SetBkColor(dc, bar);
    ::SetTextColor(dc, background);
    ExtTextOutA(dc, x, y, options, &completed, layout.text, static_cast<UINT>(length), nullptr);
}
