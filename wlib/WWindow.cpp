#include "WWindow.h"

namespace {
const char kObjectProperty[] = "WLib.WindowObject";
}

WWindow::~WWindow() { Detach(); }

WWindow* WWindow::FromHandle(HWND window) {
    return window ? static_cast<WWindow*>(GetPropA(window, kObjectProperty)) : nullptr;
}

void WWindow::Attach(HWND window, bool subclass) {
    Detach();
    if (!window)
        return;
    window_ = window;
    SetPropA(window, kObjectProperty, this);
    if (subclass) {
        original_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
    }
}

void WWindow::Detach() {
    if (!window_)
        return;
    if (original_ && IsWindow(window_))
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropA(window_, kObjectProperty);
    original_ = nullptr;
    window_ = nullptr;
}

LRESULT CALLBACK WWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WWindow* self = FromHandle(hwnd);
    if (!self) // cannot happen while subclassed; keep the window alive rather than crash
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const LRESULT result = self->CallOriginal(message, wParam, lParam);
        self->Detach();
        self->OnWindowGone();
        return result;
    }
    LRESULT result = 0;
    if (self->HandleMessage(message, wParam, lParam, result))
        return result;
    return self->CallOriginal(message, wParam, lParam);
}

bool WWindow::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT WWindow::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!original_)
        return DefWindowProcA(window_, message, wParam, lParam);
    return CallWindowProcA(original_, window_, message, wParam, lParam);
}

bool WWindow::Destroy() { return window_ && DestroyWindow(window_); }

void WWindow::Close() {
    if (window_)
        PostMessageA(window_, WM_CLOSE, 0, 0);
}

void WWindow::SetVisible(bool visible) {
    if (window_)
        ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
}

bool WWindow::IsVisible() const { return window_ && IsWindowVisible(window_); }
bool WWindow::IsEnabled() const { return window_ && IsWindowEnabled(window_); }

void WWindow::SetFont(std::unique_ptr<const WFont> font, bool redraw) {
    // The old font may still be selected by the window until WM_SETFONT returns.
    std::unique_ptr<const WFont> previous = std::move(font_);
    font_ = std::move(font);
    if (window_)
        SendMessageA(window_, WM_SETFONT,
                     reinterpret_cast<WPARAM>(font_ ? font_->GetHandle() : nullptr),
                     MAKELPARAM(redraw ? TRUE : FALSE, 0));
}

void WWindow::SetText(const WString& text) {
    if (window_)
        SetWindowTextA(window_, text.GetText());
}

WString WWindow::GetText() const {
    if (!window_)
        return WString();
    const int length = GetWindowTextLengthA(window_);
    WString text;
    const int copied =
        GetWindowTextA(window_, text.SetLength(static_cast<std::size_t>(length)), length + 1);
    text.SetLength(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void WWindow::SetTopmost(bool topmost) {
    if (window_)
        SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void WWindow::SetStackingPosition(int position) {
    if (!window_)
        return;
    if (position <= 0) {
        SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        return;
    }
    HWND first = GetWindow(window_, GW_HWNDFIRST);
    if (first && first != window_)
        SetWindowPos(window_, first, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

WRect WWindow::GetRectangle() const {
    RECT r = {};
    if (!window_ || !GetWindowRect(window_, &r))
        return WRect();
    POINT topLeft = {r.left, r.top};
    if (HWND parent = GetParent(window_); parent && (GetWindowLongA(window_, GWL_STYLE) & WS_CHILD))
        ScreenToClient(parent, &topLeft);
    return WRect{topLeft.x, topLeft.y, r.right - r.left, r.bottom - r.top};
}

void WWindow::Move(int left, int top, int width, int height, bool repaint) {
    if (!window_)
        return;
    MoveWindow(window_, left, top, width, height, repaint);
    if (repaint)
        UpdateWindow(window_);
}

void WWindow::SetLeft(int left, bool repaint) {
    const WRect r = GetRectangle();
    Move(left, r.top, r.width, r.height, repaint);
}

void WWindow::SetTop(int top, bool repaint) {
    const WRect r = GetRectangle();
    Move(r.left, top, r.width, r.height, repaint);
}

void WWindow::SetWidth(int width, bool repaint) {
    const WRect r = GetRectangle();
    Move(r.left, r.top, width, r.height, repaint);
}

void WWindow::Repaint() const {
    if (window_)
        InvalidateRect(window_, nullptr, TRUE);
}

void WWindow::SetBackgroundColor(WColor color) {
    background_ = color;
    backgroundBrush_.Reset(CreateSolidBrush(color.GetColorRef()));
    Repaint();
}

void WWindow::SetTextColor(WColor color) {
    textColor_ = color;
    hasTextColor_ = true;
    Repaint();
}

HBRUSH WWindow::PrepareControlColors(HDC dc, UINT ctlColorMessage) const {
    if (!hasTextColor_ && !backgroundBrush_)
        return nullptr;
    if (hasTextColor_)
        ::SetTextColor(dc, textColor_.GetColorRef());
    if (backgroundBrush_) {
        SetBkColor(dc, background_.GetColorRef());
        return backgroundBrush_.Get();
    }
    // No background of its own: the parent's, so that the text sits on the form's colour.
    if (const WWindow* parent = FromHandle(GetParent(window_));
        parent && parent->backgroundBrush_) {
        SetBkColor(dc, parent->background_.GetColorRef());
        return parent->backgroundBrush_.Get();
    }
    const int system = ctlColorMessage == WM_CTLCOLOREDIT || ctlColorMessage == WM_CTLCOLORLISTBOX
                           ? COLOR_WINDOW
                           : COLOR_BTNFACE;
    SetBkColor(dc, GetSysColor(system));
    return GetSysColorBrush(system);
}

WCursor WWindow::SetCursor(const WCursor& cursor, bool remember) {
    if (remember)
        ownCursor_ = cursor.GetHandle();
    HCURSOR previous = ::SetCursor(cursor.GetHandle());
    return previous ? WCursor(previous) : WCursor::FromSystem(IDC_ARROW);
}
