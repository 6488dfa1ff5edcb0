#include "WTextBox.h"

void WTextBox::AppendText(const WString& text, bool scrollToEnd) {
    if (!Exists())
        return;
    HWND window = GetHandle();
    const int lengthBefore = GetWindowTextLengthA(window);
    const LRESULT limit = SendMessageA(window, EM_GETLIMITTEXT, 0, 0);
    SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(limit), limit);
    SendMessageA(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.GetText()));
    if (!text.IsEmpty() && GetWindowTextLengthA(window) == lengthBefore) {
        // A multiline box without ES_AUTOVSCROLL refuses an insertion that would run past its
        // last visible line; the text must not be lost, so the box gets it as a whole.
        const WString whole = GetText() + text;
        SetWindowTextA(window, whole.GetText());
        const LPARAM end = static_cast<LPARAM>(whole.GetLength());
        SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(end), end);
    }
    if (scrollToEnd)
        SendMessageA(window, EM_SCROLLCARET, 0, 0);
}

void WTextBox::GetSelection(DWORD& start, DWORD& end) const {
    start = end = 0;
    if (Exists())
        SendMessageA(GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
}
