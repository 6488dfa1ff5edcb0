#include "WModelessDialog.h"

#include "WArray.h"

namespace {
// The live forms of the (one) GUI thread, for the message loop's pre-processing.
WArray<WModelessDialog*>& LiveForms() {
    static WArray<WModelessDialog*> forms;
    return forms;
}

void Forget(WModelessDialog* form) { LiveForms().RemoveAll(form); }
} // namespace

WModelessDialog::~WModelessDialog() {
    Destroy();
    Forget(this);
}

bool WModelessDialog::LoadWindow(const WWindow* parent, const WResourceID& name,
                                 WModuleHandle module) {
    HINSTANCE source = module ? module : GetModuleHandleA(nullptr);
    HWND owner = parent ? parent->GetHandle() : nullptr;
    HWND window = CreateDialogParamA(source, name.Get(), owner, &WModelessDialog::DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    return window != nullptr;
}

bool WModelessDialog::PreTranslateMessage(MSG& message) {
    const bool keyboard = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
    const bool mouse = message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST;
    if (!(keyboard || mouse) || GetCapture())
        return false;
    // A copy: a handler run from IsDialogMessageA may end a form.
    const WArray<WModelessDialog*> forms = LiveForms();
    for (WModelessDialog* form : forms)
        if (form->Exists() && IsDialogMessageA(form->GetHandle(), &message))
            return true;
    return false;
}

void WModelessDialog::OnWindowGone() { Forget(this); }

INT_PTR CALLBACK WModelessDialog::DialogProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<WModelessDialog*>(lParam);
        self->Attach(window, false);
        LiveForms().Append(self);
        self->CoverMonitorIfMaximized();
        return self->OnMessage(message, wParam, lParam);
    }
    auto* self = static_cast<WModelessDialog*>(FromHandle(window));
    if (!self) // messages before WM_INITDIALOG, and after the object let go of the window
        return FALSE;
    if (message == WM_NCDESTROY) {
        self->Detach();
        self->OnWindowGone();
        return FALSE;
    }
    return self->OnMessage(message, wParam, lParam);
}

INT_PTR WModelessDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    WWindowEventData data(message, wParam, lParam);
    switch (message) {
    case WM_INITDIALOG:
        FireEvent(WEventID::Create, this, &data);
        return TRUE; // let the dialog manager give the focus to the first tab stop
    case WM_CLOSE:
        if (FireEvent(WEventID::QueryClose, this, &data))
            return TRUE;
        if (!FireEvent(WEventID::Close, this, &data))
            Destroy();
        return TRUE;
    case WM_DESTROY:
        FireEvent(WEventID::Destroy, this, &data);
        return FALSE;
    case WM_COMMAND: {
        if (WWindow* control = FromHandle(reinterpret_cast<HWND>(lParam));
            control && control->HandleNotification(HIWORD(wParam)))
            return TRUE;
        if (LOWORD(wParam) == IDCANCEL && HIWORD(wParam) == BN_CLICKED)
            return FireEvent(WEventID::Cancel, this, &data) ? TRUE : FALSE;
        return FALSE;
    }
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(
            HasBackgroundColor() ? PrepareControlColors(reinterpret_cast<HDC>(wParam), message)
                                 : nullptr);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        if (const WWindow* control = FromHandle(reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<INT_PTR>(
                control->PrepareControlColors(reinterpret_cast<HDC>(wParam), message));
        return FALSE;
    case WM_SETCURSOR:
        if (GetOwnCursor() && LOWORD(lParam) == HTCLIENT) {
            ::SetCursor(GetOwnCursor());
            SetWindowLongPtrA(GetHandle(), DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void WModelessDialog::CoverMonitorIfMaximized() {
    // A bare popup made maximized by its template covers its monitor, whatever size the
    // template gave it (not every system sizes it so on creation).
    HWND window = GetHandle();
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (!(style & WS_MAXIMIZE) || !(style & WS_POPUP) || (style & WS_CAPTION) == WS_CAPTION)
        return;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return;
    const RECT& r = monitor.rcMonitor;
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}
