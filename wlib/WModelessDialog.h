#pragma once
#include "WForm.h"
#include "WModule.h"

// The data of a window event: the message behind it.
class WWindowEventData : public WEventData {
public:
    WWindowEventData(UINT m, WPARAM w, LPARAM l) : message(m), wParam(w), lParam(l) {}
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A form made from a dialog template, running modelessly in the application's message loop.
//   CreateEvent   on WM_INITDIALOG, when every item exists and before the window is shown;
//   QueryCloseEvent, then CloseEvent, on WM_CLOSE: a handler returning true from either
//                 keeps the library from destroying the window;
//   DestroyEvent  on WM_DESTROY;
//   CancelEvent   on the dialog's cancel command (IDCANCEL: Escape).
// Buttons' clicks are handed to their objects (ClickEvent), control colours to theirs.
class WModelessDialog : public WForm {
public:
    WModelessDialog() = default;
    // Destroys the window if it still exists. Derived forms whose DestroyEvent handlers are
    // their own members must destroy it in their own destructor, while those handlers exist.
    ~WModelessDialog() override;

    // Creates the window from the template `name` of `module` (null: the program's own), owned
    // by `parent` (none: a top-level window). Reports whether the window was created.
    bool LoadWindow(const WWindow* parent, const WResourceID& name, WModuleHandle module = nullptr);

    // The message loop's pre-processing: keyboard and mouse messages pass through
    // IsDialogMessageA for each live form (not while the mouse is captured), which gives Tab
    // navigation and lets Enter press the default button. True when the message was used.
    static bool PreTranslateMessage(MSG& message);

protected:
    void OnWindowGone() override;

private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CoverMonitorIfMaximized();
};
