#pragma once

// A rectangle as left, top, width and height, in pixels.
struct WRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WRect& a, const WRect& b) {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    }
};
