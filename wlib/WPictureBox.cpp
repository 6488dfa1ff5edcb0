#include "WPictureBox.h"

void WPictureBox::SetBitmap(WBitmap bitmap) {
    if (!Exists())
        return;
    HWND window = GetHandle();
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    SetWindowLongA(window, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_BITMAP);
    SendMessageA(window, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.GetHandle()));
    // The old bitmap may be released only once the control no longer shows it.
    bitmap_ = std::move(bitmap);
    const SIZE size = bitmap_.GetSize();
    SetWindowPos(window, nullptr, 0, 0, size.cx + 4, size.cy + 4,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Repaint();
}
