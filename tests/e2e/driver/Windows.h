#pragma once
// Finding and reading another process's windows, and driving them with posted input. Texts go
// through WM_GETTEXTLENGTH/WM_GETTEXT: GetWindowText does not ask another process's control.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

class Process;

// Top-level windows of process `processId` on `desktop` (nullptr: the driver's desktop).
std::vector<HWND> TopLevelWindows(DWORD processId, HDESK desktop = nullptr);
// Polls until a top-level window of the process matches; nullptr on time-out.
HWND WaitForTopLevel(DWORD processId, const std::function<bool(HWND)>& match, DWORD timeoutMs,
                     HDESK desktop = nullptr);

constexpr char kMainWindowTitle[] = "Tessellux Installation";
constexpr char kBackdropTitle[] = "Tessellux 4.7 Installation";

// The main window: title "Tessellux Installation", owned by the process.
HWND WaitForMainWindow(const Process& process, DWORD timeoutMs, HDESK desktop = nullptr);
// The backdrop: a popup of the process whose item 101 reads "Tessellux 4.7 Installation".
HWND WaitForBackdrop(const Process& process, DWORD timeoutMs, HDESK desktop = nullptr);
bool IsBackdrop(HWND window);

std::string Text(HWND window);
std::string ClassName(HWND window);
DWORD Style(HWND window);
DWORD ExStyle(HWND window);
bool HasVisibleStyle(HWND window); // IsWindowVisible does not work across desktops in Wine
DWORD WindowProcessId(HWND window);
DWORD WindowThreadId(HWND window);
bool WindowExists(HWND window);

RECT WindowRect(HWND window);
RECT ClientRect(HWND window); // 0, 0, width, height
// The child's window rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);
// The window's client area in screen coordinates.
RECT ClientRectOnScreen(HWND window);

// Window directly below `window` in the z-order (GW_HWNDNEXT).
HWND NextInZOrder(HWND window);
// True when `upper` comes before `lower` among the top-level windows.
bool IsAbove(HWND upper, HWND lower);

// The keyboard focus of the thread that owns `window`.
HWND FocusOfThread(DWORD threadId);

// Sends a message, giving up after `timeoutMs`; returns false then (the target hung).
bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT* result, DWORD timeoutMs = 5000);
LRESULT SendOrZero(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Posted input: the driver never waits on the installer's handlers (they may show a box).
bool PostClick(HWND button);
bool PostKey(HWND window, UINT virtualKey);
bool PostAltF4(HWND window);
bool PostChar(HWND window, char c);
bool PostSysCommand(HWND window, WPARAM command);

// Message boxes: class "#32770" top-level windows of the process with the given title.
HWND WaitForMessageBox(DWORD processId, const std::string& title, DWORD timeoutMs,
                       HDESK desktop = nullptr);
// The box's message (its static texts, icons left out), joined with "\n".
std::string MessageBoxText(HWND box);
// The ids of the box's push buttons, in child order.
std::vector<int> MessageBoxButtons(HWND box);
bool PressMessageBoxButton(HWND box, int id);

} // namespace e2e
