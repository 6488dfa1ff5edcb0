#pragma once
#include "WButton.h"

class WCommandButton : public WButton {
public:
    // With true: BM_SETSTYLE BS_DEFPUSHBUTTON (redrawn) and DM_SETDEFID with the button's
    // identifier to the dialog. With false: back to BS_PUSHBUTTON.
    void SetDefault(bool isDefault);
    bool IsDefault() const;
};
