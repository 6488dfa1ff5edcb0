#pragma once
// A main window created in the test process, as the installer creates it.
#include "Form1.h"
#include "Form2.h"
#include "MainWindow.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <string>

inline std::string TextOf(HWND window) {
    const int length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Left, top, width and height in the parent's client coordinates.
inline WRect ChildRect(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    POINT topLeft = {r.left, r.top};
    ScreenToClient(GetParent(child), &topLeft);
    return WRect{topLeft.x, topLeft.y, r.right - r.left, r.bottom - r.top};
}

inline std::ostream& operator<<(std::ostream& out, const WRect& r) {
    return out << '(' << r.left << ',' << r.top << ' ' << r.width << 'x' << r.height << ')';
}

// Runs the thread's messages for a while, or until WM_QUIT; reports whether WM_QUIT came.
inline bool PumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                return true;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
    return false;
}

// Message boxes (dialogs other than the two forms) that belong to this thread.
inline BOOL CALLBACK CountMessageBox(HWND window, LPARAM count) {
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    const bool form = GetDlgItem(window, IDC_INSTALL) || GetDlgItem(window, IDC_BACKDROP_TITLE);
    if (lstrcmpA(name, "#32770") == 0 && !form)
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

inline int CountMessageBoxes() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountMessageBox, reinterpret_cast<LPARAM>(&count));
    return count;
}

class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, CreateMainWindow());
        form = MainWindowReference->GetHandle();
        ASSERT_TRUE(BackdropReference);
        backdrop = BackdropReference->GetHandle();
    }
    void TearDown() override {
        DestroyMainWindow();
        PumpMessages(50); // the close request posted to the backdrop finds no window
    }
    HWND Item(int id) const { return GetDlgItem(form, id); }

    HWND form = nullptr;
    HWND backdrop = nullptr;
};
