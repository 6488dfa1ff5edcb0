#pragma once
#include "WControl.h"

// A button of any kind. Fires ClickEvent (source: the button) when it is clicked.
class WButton : public WControl {
public:
    // BM_SETSTATE: the pushed (highlight) look on or off.
    void SetState(bool pushed);

    bool HandleNotification(WORD code) override;
};
