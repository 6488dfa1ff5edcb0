#pragma once
#include "WString.h"
#include "WWindow.h"

// Message boxes that leave the user's place as it was: the owner is used only when it is
// visible and enabled (a box owned by a hidden or disabled window could not be reached), and
// the active window, foreground window and keyboard focus are restored after the box.
class WMessageBox {
public:
    // The MessageBoxA result (IDOK ... IDCONTINUE); anything outside 1 to 9, such as 0 when the
    // box could not be shown, is reported as 10.
    static int Show(const WWindow* owner, const WString& text, const WString& title, UINT type);

    static constexpr int kNoAnswer = 10;
};
