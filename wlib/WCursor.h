#pragma once
#include <windows.h>

// A cursor handle, never owned: system cursors are shared, and the cursor SetCursor hands
// back belongs to whoever set it.
class WCursor {
public:
    WCursor() = default;
    explicit WCursor(HCURSOR handle) : handle_(handle) {}

    // A system cursor (IDC_WAIT, IDC_ARROW, ...), LoadCursorA with no module.
    static WCursor FromSystem(LPCSTR id) { return WCursor(LoadCursorA(nullptr, id)); }

    HCURSOR GetHandle() const { return handle_; }

private:
    HCURSOR handle_ = nullptr;
};
