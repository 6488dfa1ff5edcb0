#pragma once
#include "WBitmap.h"
#include "WStatic.h"

// A static control that shows a bitmap. It keeps the bitmap for as long as it shows it.
class WPictureBox : public WStatic {
public:
    // Turns the item into a bitmap picture (SS_BITMAP, STM_SETIMAGE), takes the bitmap's size
    // plus 4 pixels each way (its sunken edge) and repaints.
    void SetBitmap(WBitmap bitmap);
    const WBitmap& GetBitmap() const { return bitmap_; }

private:
    WBitmap bitmap_;
};
