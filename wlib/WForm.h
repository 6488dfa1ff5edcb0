#pragma once
#include "WHandle.h"
#include "WResourceID.h"
#include "WWindow.h"

#include <initializer_list>

// A top-level window with the operations of a form: placement, icons, tab order.
class WForm : public WWindow {
public:
    // Leaves a minimized or maximized window where it is. Otherwise centres it (halves
    // truncated toward zero) on the screen (in the work area on Windows 95/98/Me), then moves
    // it back inside where it sticks out, never to a negative position.
    void Centre();

    // Large and small icon from the icon group, each at the system's size for it
    // (WM_SETICON ICON_BIG and ICON_SMALL). The form owns the icons.
    void SetIcon(const WResourceID& iconGroup, bool mainWindow, HMODULE module = nullptr);

    // Restacks the children in one deferred batch: those not listed first, in their present
    // order, then the listed windows in list order. The child order is the dialog's tab order.
    void SetTabOrder(std::initializer_list<HWND> order);
    void SetTabOrder(int count, const HWND* order);

    // The whole screen: 0, 0, SM_CXSCREEN, SM_CYSCREEN.
    static WRect GetScreenRectangle();

    // Sets the font of the form and of all its children.
    void SetFont(std::unique_ptr<const WFont> font, bool redraw) override;
    using WWindow::SetFont;

private:
    WIconHandle bigIcon_;
    WIconHandle smallIcon_;
};
