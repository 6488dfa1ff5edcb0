#pragma once
#include "WModule.h"
#include "WResourceID.h"
#include "WWindow.h"

// A control bound to an item of a dialog that already exists; no control window is created.
// The item's messages pass through the object (HandleMessage) while it is bound.
class WControl : public WWindow {
public:
    // Takes over the parent's item with that identifier (GetDlgItem); reports whether the item
    // was found. The module names where the template came from and is not needed to find it.
    bool BindToDialogItem(const WWindow& parent, const WResourceID& id, HMODULE module = nullptr);

    int GetControlId() const;

    // The window class the control's windows belong to.
    static const char* GetWindowClass() { return nullptr; }
};
