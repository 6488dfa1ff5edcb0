#pragma once
#include "WAutoSize.h"
#include "WButton.h"

// A check box; automatic sizing allows for the box beside the text.
class WCheckBox : public WButton {
public:
    void SetChecked(bool checked);
    // BM_GETCHECK returns BST_CHECKED.
    bool IsChecked() const;

    void SetAutoSize(bool on) { autoSize_.Enable(GetHandle(), on); }
    bool GetAutoSize() const { return autoSize_.IsOn(); }

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static SIZE AddBox(HWND window, SIZE text);
    WAutoSize autoSize_{&WCheckBox::AddBox};
};
