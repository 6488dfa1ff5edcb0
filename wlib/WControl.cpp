#include "WControl.h"

bool WControl::BindToDialogItem(const WWindow& parent, const WResourceID& id, HMODULE) {
    HWND item = parent.Exists() ? GetDlgItem(parent.GetHandle(), id.GetNumber()) : nullptr;
    if (!item)
        return false;
    Attach(item, true);
    return true;
}

int WControl::GetControlId() const { return Exists() ? GetDlgCtrlID(GetHandle()) : 0; }
