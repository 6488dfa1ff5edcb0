#pragma once
#include "WHandle.h"
#include "WResourceID.h"

// A bitmap the object owns, loaded from a bitmap resource as a DIB section (so its colours do
// not depend on the display's depth).
class WBitmap {
public:
    WBitmap() = default;
    // Module null: the program's own.
    WBitmap(const WResourceID& id, HMODULE module = nullptr);

    bool IsValid() const { return static_cast<bool>(bitmap_); }
    HBITMAP GetHandle() const { return bitmap_.Get(); }
    SIZE GetSize() const;

private:
    WBitmapHandle bitmap_;
};
