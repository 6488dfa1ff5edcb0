#pragma once
#include <windows.h>

// Hides the mouse pointer while this lives.
class CursorHider {
public:
    CursorHider() { ShowCursor(FALSE); }
    CursorHider(const CursorHider&) = delete;
    CursorHider& operator=(const CursorHider&) = delete;
    ~CursorHider() { ShowCursor(TRUE); }
};
