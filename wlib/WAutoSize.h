#pragma once
#include "WControl.h"

// Automatic sizing for controls whose size follows their text: when on, the control is
// resized to its text now and again after every font or text change. `extra` adds room for
// decorations beside the text (a check box's box).
class WAutoSize {
public:
    using Extra = SIZE (*)(HWND window, SIZE text);

    explicit WAutoSize(Extra extra) : extra_(extra) {}

    void Enable(HWND window, bool on);
    bool IsOn() const { return on_; }
    // For HandleMessage: refits after the original procedure handled WM_SETFONT/WM_SETTEXT.
    void AfterMessage(HWND window, UINT message) const;

private:
    void Fit(HWND window) const;
    Extra extra_;
    bool on_ = false;
};
