#pragma once
#include "WAutoSize.h"
#include "WStatic.h"

// A static text whose size can follow its text in its font.
class WLabel : public WStatic {
public:
    void SetAutoSize(bool on) { autoSize_.Enable(GetHandle(), on); }
    bool GetAutoSize() const { return autoSize_.IsOn(); }

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    WAutoSize autoSize_{nullptr};
};
