#include "WForm.h"

#include "WArray.h"
#include "WPlatform.h"

#include <algorithm>

void WForm::Centre() {
    HWND window = GetHandle();
    if (!window)
        return;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    if (IsZoomed(window) || IsIconic(window) || placement.showCmd == SW_SHOWMAXIMIZED ||
        placement.showCmd == SW_SHOWMINIMIZED)
        return;

    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (WPlatform::IsWindows9x())
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);

    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    if (x + width > area.right)
        x = area.right - width;
    if (y + height > area.bottom)
        y = area.bottom - height;
    x = std::max(x, static_cast<int>(area.left));
    y = std::max(y, static_cast<int>(area.top));
    x = std::max(x, 0);
    y = std::max(y, 0);
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WForm::SetIcon(const WResourceID& iconGroup, bool, HMODULE module) {
    HWND window = GetHandle();
    if (!window)
        return;
    HINSTANCE source = module ? module : GetModuleHandleA(nullptr);
    WIconHandle big(static_cast<HICON>(LoadImageA(source, iconGroup.Get(), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXICON),
                                                  GetSystemMetrics(SM_CYICON), 0)));
    WIconHandle small(static_cast<HICON>(LoadImageA(source, iconGroup.Get(), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXSMICON),
                                                    GetSystemMetrics(SM_CYSMICON), 0)));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
    // The window no longer uses the old icons once the new ones are set.
    bigIcon_ = std::move(big);
    smallIcon_ = std::move(small);
}

void WForm::SetTabOrder(std::initializer_list<HWND> order) {
    SetTabOrder(static_cast<int>(order.size()), order.begin());
}

void WForm::SetTabOrder(int count, const HWND* order) {
    HWND window = GetHandle();
    if (!window || count <= 0)
        return;
    const WArray<HWND> listed(order, static_cast<std::size_t>(count));
    WArray<HWND> sequence;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (!listed.Contains(child))
            sequence.Append(child);
    for (HWND child : listed)
        if (child)
            sequence.Append(child);

    HDWP batch = BeginDeferWindowPos(static_cast<int>(sequence.GetSize()));
    HWND after = HWND_TOP;
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED |
                       SWP_NOCOPYBITS | SWP_NOOWNERZORDER;
    for (HWND child : sequence) {
        if (batch)
            batch = DeferWindowPos(batch, child, after, 0, 0, 0, 0, flags);
        after = child;
    }
    if (batch)
        EndDeferWindowPos(batch);
}

WRect WForm::GetScreenRectangle() {
    return WRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void WForm::SetFont(std::unique_ptr<const WFont> font, bool redraw) {
    WWindow::SetFont(std::move(font), redraw);
    if (!Exists() || !GetFont())
        return;
    // The dialog manager gives a template's font to every item; a new form font does the same.
    const WPARAM handle = reinterpret_cast<WPARAM>(GetFont()->GetHandle());
    for (HWND child = GetWindow(GetHandle(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        SendMessageA(child, WM_SETFONT, handle, MAKELPARAM(redraw ? TRUE : FALSE, 0));
}
