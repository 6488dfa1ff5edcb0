#pragma once
#include "WControl.h"

// A progress bar ("msctls_progress32"). Range 0 to 100 and step 10 unless set otherwise. Its
// bar colour is the control's text colour; its background colour is white unless set.
class WProgressBar : public WControl {
public:
    // Where the percentage display splits the client rectangle, and the text it shows.
    struct PercentageLayout {
        int split;    // pixels from the left edge: the completed part lies left of it
        char text[8]; // "%3d%%"
    };
    static PercentageLayout LayOutPercentage(int minimum, int maximum, int position, int width);

    void SetRange(int minimum, int maximum);
    void SetStep(int step) { step_ = step; }
    // Clamps the value to the range, keeps it and sends PBM_SETPOS.
    void SetPosition(int position);
    // Position plus delta, capped at the maximum, then PBM_SETPOS.
    void Advance(int delta);
    void StepIt() { Advance(step_); }

    int GetPosition() const { return position_; }
    int GetMinimum() const { return minimum_; }
    int GetMaximum() const { return maximum_; }
    int GetStep() const { return step_; }

    // The bar colour (also handed to the control with PBM_SETBARCOLOR).
    void SetBarColor(WColor color);
    // With the display on, the control paints itself: the completed part in the bar colour,
    // the rest in the background colour, and the percentage centred over both in the other
    // colour, so that it reads as one text changing colour where the bar ends.
    void SetPercentageDisplay(bool on);
    bool GetPercentageDisplay() const { return percentage_; }

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Paint(HDC dc);
    void Send();

    int minimum_ = 0;
    int maximum_ = 100;
    int step_ = 10;
    int position_ = 0;
    bool percentage_ = false;
    HFONT font_ = nullptr; // borrowed: the owner of the font set it with WM_SETFONT
};
