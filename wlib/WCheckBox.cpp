#include "WCheckBox.h"

void WCheckBox::SetChecked(bool checked) {
    if (Exists())
        SendMessageA(GetHandle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool WCheckBox::IsChecked() const {
    return Exists() && SendMessageA(GetHandle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

SIZE WCheckBox::AddBox(HWND, SIZE text) {
    // The box, the gap the button leaves after it, and room for the focus rectangle.
    const int box = GetSystemMetrics(SM_CXMENUCHECK);
    const int gap = GetSystemMetrics(SM_CXEDGE) * 2 + 2;
    SIZE size = {text.cx + box + gap + 2, text.cy > box ? text.cy : box};
    size.cy += 2;
    return size;
}

bool WCheckBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_SETFONT && message != WM_SETTEXT)
        return false;
    result = CallOriginal(message, wParam, lParam);
    autoSize_.AfterMessage(GetHandle(), message);
    return true;
}
