#include "WMessageBox.h"

int WMessageBox::Show(const WWindow* owner, const WString& text, const WString& title, UINT type) {
    HWND ownerWindow =
        owner && owner->IsVisible() && owner->IsEnabled() ? owner->GetHandle() : nullptr;
    HWND active = GetActiveWindow();
    HWND foreground = GetForegroundWindow();
    HWND focus = GetFocus();

    const int result = MessageBoxA(ownerWindow, text.GetText(), title.GetText(), type);

    if (active && IsWindow(active))
        SetActiveWindow(active);
    if (foreground && IsWindow(foreground))
        SetForegroundWindow(foreground);
    if (focus && IsWindow(focus))
        SetFocus(focus);
    return result >= 1 && result <= 9 ? result : kNoAnswer;
}
