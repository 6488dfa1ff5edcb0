#include "Windows.h"

#include "Poll.h"
#include "Process.h"

namespace e2e {

namespace {
struct EnumState {
    DWORD processId;
    std::vector<HWND>* windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* state = reinterpret_cast<EnumState*>(param);
    if (WindowProcessId(window) == state->processId)
        state->windows->push_back(window);
    return TRUE;
}
} // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, HDESK desktop) {
    std::vector<HWND> windows;
    EnumState state{processId, &windows};
    if (desktop)
        EnumDesktopWindows(desktop, CollectWindow, reinterpret_cast<LPARAM>(&state));
    else
        EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&state));
    return windows;
}

HWND WaitForTopLevel(DWORD processId, const std::function<bool(HWND)>& match, DWORD timeoutMs,
                     HDESK desktop) {
    return PollFor(timeoutMs, [&]() -> HWND {
        for (HWND window : TopLevelWindows(processId, desktop))
            if (match(window))
                return window;
        return nullptr;
    });
}

HWND WaitForMainWindow(const Process& process, DWORD timeoutMs, HDESK desktop) {
    return WaitForTopLevel(
        process.Id(),
        [](HWND w) { return HasVisibleStyle(w) && Text(w) == kMainWindowTitle; }, timeoutMs,
        desktop);
}

bool IsBackdrop(HWND window) {
    if (!(Style(window) & WS_POPUP) || Style(window) & WS_CHILD)
        return false;
    HWND title = GetDlgItem(window, 101);
    return title && Text(title) == kBackdropTitle;
}

HWND WaitForBackdrop(const Process& process, DWORD timeoutMs, HDESK desktop) {
    return WaitForTopLevel(
        process.Id(), [](HWND w) { return HasVisibleStyle(w) && IsBackdrop(w); }, timeoutMs,
        desktop);
}

bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result,
                     DWORD timeoutMs) {
    DWORD_PTR value = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs,
                             &value))
        return false;
    if (result)
        *result = static_cast<LRESULT>(value);
    return true;
}

LRESULT SendOrZero(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    return SendWithTimeout(window, message, wParam, lParam, &result) ? result : 0;
}

std::string Text(HWND window) {
    LRESULT length = 0;
    if (!window || !SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0, &length) || length <= 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = 0;
    if (!SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                         &copied))
        return {};
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::string ClassName(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

DWORD Style(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }
DWORD ExStyle(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)); }
bool HasVisibleStyle(HWND window) { return (Style(window) & WS_VISIBLE) != 0; }

DWORD WindowProcessId(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

DWORD WindowThreadId(HWND window) { return GetWindowThreadProcessId(window, nullptr); }
bool WindowExists(HWND window) { return window && IsWindow(window); }

RECT WindowRect(HWND window) {
    RECT r = {-1, -1, -1, -1};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientRect(HWND window) {
    RECT r = {-1, -1, -1, -1};
    GetClientRect(window, &r);
    return r;
}

RECT RectInParent(HWND child) {
    RECT r = WindowRect(child);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT ClientRectOnScreen(HWND window) {
    RECT r = ClientRect(window);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND NextInZOrder(HWND window) { return GetWindow(window, GW_HWNDNEXT); }

bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = NextInZOrder(upper); w; w = NextInZOrder(w))
        if (w == lower)
            return true;
    return false;
}

HWND FocusOfThread(DWORD threadId) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info))
        return nullptr;
    return info.hwndFocus;
}

bool PostClick(HWND button) { return PostMessageA(button, BM_CLICK, 0, 0) != 0; }

namespace {
LPARAM KeyData(UINT virtualKey, bool up, bool alt) {
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    LPARAM data = 1 | (static_cast<LPARAM>(scan & 0xFF) << 16);
    if (alt)
        data |= 1L << 29; // the context bit: Alt is down
    if (up)
        data |= (1L << 30) | (1L << 31);
    return data;
}
} // namespace

bool PostKey(HWND window, UINT virtualKey) {
    return PostMessageA(window, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false, false)) &&
           PostMessageA(window, WM_KEYUP, virtualKey, KeyData(virtualKey, true, false));
}

bool PostAltF4(HWND window) {
    return PostMessageA(window, WM_SYSKEYDOWN, VK_F4, KeyData(VK_F4, false, true)) &&
           PostMessageA(window, WM_SYSKEYUP, VK_F4, KeyData(VK_F4, true, true));
}

bool PostChar(HWND window, char c) {
    return PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1) != 0;
}

bool PostSysCommand(HWND window, WPARAM command) {
    return PostMessageA(window, WM_SYSCOMMAND, command, 0) != 0;
}

HWND WaitForMessageBox(DWORD processId, const std::string& title, DWORD timeoutMs,
                       HDESK desktop) {
    return WaitForTopLevel(
        processId,
        [&](HWND w) {
            return ClassName(w) == "#32770" && HasVisibleStyle(w) && Text(w) == title;
        },
        timeoutMs, desktop);
}

std::string MessageBoxText(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassName(child) != "Static")
            continue;
        const DWORD type = Style(child) & SS_TYPEMASK;
        if (type == SS_ICON || type == SS_BITMAP)
            continue;
        const std::string part = Text(child);
        if (part.empty())
            continue;
        if (!text.empty())
            text += "\n";
        text += part;
    }
    return text;
}

std::vector<int> MessageBoxButtons(HWND box) {
    std::vector<int> ids;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassName(child) == "Button" && HasVisibleStyle(child))
            ids.push_back(GetDlgCtrlID(child));
    return ids;
}

bool PressMessageBoxButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    return button && PostClick(button);
}

} // namespace e2e
