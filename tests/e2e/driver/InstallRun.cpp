#include "InstallRun.h"

#include "Clock.h"
#include "Installer.h"
#include "Poll.h"
#include "Windows.h"

#include <commctrl.h>

#include <set>

namespace e2e {

namespace {
bool HasIcon(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassName(child) == "Static" && (Style(child) & SS_TYPEMASK) == SS_ICON)
            return true;
    return false;
}

// A visible dialog-class window of the installer that is neither of its own two windows.
HWND FindNewBox(const RunningInstaller& installer, const std::set<HWND>& answered) {
    for (HWND w : TopLevelWindows(installer.Proc().Id()))
        if (w != installer.Main() && w != installer.Backdrop() && !answered.count(w) &&
            ClassName(w) == "#32770" && HasVisibleStyle(w))
            return w;
    return nullptr;
}
} // namespace

std::vector<std::string> InstallOutcome::Titles() const {
    std::vector<std::string> titles;
    for (const BoxSeen& box : boxes)
        titles.push_back(box.title);
    return titles;
}

std::string Describe(const BoxSeen& box) {
    std::string text = "\"" + box.title + "\": \"" + box.text + "\", buttons";
    for (int id : box.buttons)
        text += " " + std::to_string(id);
    text += ", progress " + std::to_string(box.progress);
    text += box.mainVisible ? ", main visible" : ", main hidden";
    text += ", SYSTEM.INI " + (box.systemIni ? "\"" + *box.systemIni + "\"" : "<absent>");
    return text;
}

InstallOutcome RunInstall(const InstallOptions& options) {
    InstallOutcome outcome;
    RunningInstaller installer({}, options.program);
    if (!installer.Ok()) {
        outcome.problem = installer.Problem();
        return outcome;
    }
    outcome.processId = installer.Proc().Id();
    HWND checkBox = installer.Item(109);
    if (options.uncheckDesktopIcon)
        SendOrZero(checkBox, BM_CLICK);
    outcome.checkBoxBefore = SendOrZero(checkBox, BM_GETCHECK) == BST_CHECKED;
    if (options.uncheckDesktopIcon && outcome.checkBoxBefore) {
        outcome.problem = "the desktop icon check box stayed checked";
        return outcome;
    }

    const std::optional<std::string> iniBefore = ReadSystemIniScreenSaver();
    HWND progressBar = installer.Item(104);
    HWND main = installer.Main();
    std::set<HWND> answered;
    const double clicked = SecondsNow();
    if (!PostClick(installer.Item(101))) {
        outcome.problem = "could not post the click on &Install";
        return outcome;
    }
    const ULONGLONG deadline = GetTickCount64() + options.timeoutMs;
    while (installer.Proc().IsRunning()) {
        if (GetTickCount64() > deadline) {
            outcome.problem = "still running after " + std::to_string(options.timeoutMs) + " ms";
            return outcome;
        }
        // The entry first, the window second: see iniChangedWhileMainVisible.
        const bool iniChanged = ReadSystemIniScreenSaver() != iniBefore;
        if (iniChanged && WindowExists(main) && HasVisibleStyle(main))
            outcome.iniChangedWhileMainVisible = true;

        HWND box = FindNewBox(installer, answered);
        if (!box) {
            Sleep(2);
            continue;
        }
        BoxSeen seen;
        seen.secondsFromClick = SecondsNow() - clicked;
        seen.title = Text(box);
        seen.text = MessageBoxText(box);
        seen.buttons = MessageBoxButtons(box);
        seen.hasIcon = HasIcon(box);
        seen.progress = static_cast<int>(SendOrZero(progressBar, PBM_GETPOS));
        seen.mainVisible = HasVisibleStyle(main);
        seen.systemIni = ReadSystemIniScreenSaver();
        seen.screenSaveActive =
            ReadValue(HKEY_CURRENT_USER, kDesktopSettingsKey, "ScreenSaveActive");
        seen.childProcesses = ChildProcesses(outcome.processId).size();
        outcome.boxes.push_back(seen);
        answered.insert(box);

        const auto answer = options.answers.find(seen.title);
        if (answer == options.answers.end()) {
            outcome.problem = "no answer for the box " + Describe(seen);
            return outcome;
        }
        const bool posted = answer->second == Answer::Ok       ? PressMessageBoxButton(box, IDOK)
                            : answer->second == Answer::Cancel ? PressMessageBoxButton(box, IDCANCEL)
                                                               : PostMessageA(box, WM_CLOSE, 0, 0);
        if (!posted || !PollFor(kActionTimeoutMs, [&] { return !WindowExists(box); })) {
            outcome.problem = "the box " + Describe(seen) + " did not go when answered";
            return outcome;
        }
    }
    outcome.exitCode = installer.Proc().WaitForExit(0);
    outcome.childrenAtExit = ChildProcesses(outcome.processId);
    if (!PollFor(kStartTimeoutMs, [&] { return ChildProcesses(outcome.processId).empty(); }))
        outcome.problem = "a process the installer started still runs";
    return outcome;
}

} // namespace e2e
