#include "SaverWindow.h"
#include "SaverResources.h"
#include <windowsx.h>

namespace {

const char* const kClassName = "TesselluxSaverWindow";
const UINT_PTR kDialogTimer = 1;

} // namespace

bool SaverWindow::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TESSELLUX));
    windowClass.hbrBackground = nullptr;  // every pixel comes from the back buffer
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

SaverWindow::SaverWindow(HINSTANCE instance, Kind kind, HWND parent, const RECT& area,
                         const SaverSettings& settings, std::uint64_t seed)
    : kind_(kind), scene_(std::make_unique<SaverScene>(settings, seed)), seed_(seed) {
    const DWORD style = kind == Kind::FullScreen ? WS_POPUP | WS_VISIBLE : WS_CHILD | WS_VISIBLE;
    const DWORD exStyle = kind == Kind::FullScreen ? WS_EX_TOPMOST | WS_EX_TOOLWINDOW : 0;
    CreateWindowExA(exStyle, kClassName, "Tessellux", style, area.left, area.top,
                    area.right - area.left, area.bottom - area.top, parent, nullptr, instance, this);
    if (!window_)
        return;
    if (kind == Kind::FullScreen) {
        // Some window managers put a popup where they like; the saver must cover everything.
        SetWindowPos(window_, HWND_TOPMOST, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_SHOWWINDOW);
        SetForegroundWindow(window_);
        SetFocus(window_);
    }
    if (kind == Kind::DialogPreview)
        SetTimer(window_, kDialogTimer, 15, nullptr);
}

SaverWindow::~SaverWindow() {
    if (window_)
        DestroyWindow(window_);
}

void SaverWindow::ChangeSettings(const SaverSettings& settings) {
    scene_ = std::make_unique<SaverScene>(settings, seed_);
    Advance();
}

void SaverWindow::Advance() {
    if (!window_)
        return;
    RECT client;
    GetClientRect(window_, &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    if (backBuffer_.Width() != client.right || backBuffer_.Height() != client.bottom)
        backBuffer_ = DibSurface(client.right, client.bottom);
    if (!backBuffer_)
        return;
    scene_->Render(backBuffer_, clock_.Seconds());
    if (HDC dc = GetDC(window_)) {
        Present(dc);
        ReleaseDC(window_, dc);
    }
}

void SaverWindow::Present(HDC dc) {
    if (backBuffer_)
        BitBlt(dc, 0, 0, backBuffer_.Width(), backBuffer_.Height(), backBuffer_.Dc(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK SaverWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<SaverWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<SaverWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    // No exception may unwind into user32: a frame that cannot be drawn is skipped.
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool SaverWindow::IsUserBack(UINT message, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_MOUSEWHEEL:
        return true;
    case WM_MOUSEMOVE:
        return activity_.OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    default:
        return false;
    }
}

LRESULT SaverWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (kind_ == Kind::FullScreen && IsUserBack(message, lParam)) {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        return 0;
    }
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the next paint covers everything
    case WM_PAINT: {
        PAINTSTRUCT paint;
        if (HDC dc = BeginPaint(window_, &paint)) {
            Present(dc);
            EndPaint(window_, &paint);
        }
        return 0;
    }
    case WM_TIMER:
        if (wParam == kDialogTimer)
            Advance();
        return 0;
    case WM_SETCURSOR:
        if (kind_ == Kind::FullScreen) {
            SetCursor(nullptr);
            return TRUE;
        }
        break;
    case WM_SYSCOMMAND:
        // Already saving the screen: a second saver must not start over us.
        if (kind_ == Kind::FullScreen && (wParam & 0xFFF0) == SC_SCREENSAVE)
            return 0;
        break;
    case WM_DESTROY:
        if (kind_ == Kind::DialogPreview)
            KillTimer(window_, kDialogTimer);
        else
            PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}
