#include "WLabel.h"

bool WLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_SETFONT && message != WM_SETTEXT)
        return false;
    result = CallOriginal(message, wParam, lParam);
    autoSize_.AfterMessage(GetHandle(), message);
    return true;
}
