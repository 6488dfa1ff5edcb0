#include "WCommandButton.h"

void WCommandButton::SetDefault(bool isDefault) {
    if (!Exists())
        return;
    SendMessageA(GetHandle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    if (isDefault)
        SendMessageA(GetParent(GetHandle()), DM_SETDEFID, static_cast<WPARAM>(GetControlId()), 0);
}

bool WCommandButton::IsDefault() const {
    return Exists() && (GetWindowLongA(GetHandle(), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
}
