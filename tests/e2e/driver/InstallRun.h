#pragma once
// One run of "&Install" from the click to the installer's end: every message box it shows is
// read (with the installer's state while it is up) and answered from a table.
#include "Installation.h"
#include "Process.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

enum class Answer { Ok, Cancel, Close }; // press OK, press Cancel, or post WM_CLOSE to the box

struct BoxSeen {
    std::string title;
    std::string text;
    std::vector<int> buttons;
    bool hasIcon = false;
    // The installer while the box was up.
    int progress = -1; // PBM_GETPOS of the progress bar (item 104)
    bool mainVisible = false;
    std::optional<std::string> systemIni;
    std::optional<RegistryValue> screenSaveActive; // HKCU\Control Panel\Desktop
    size_t childProcesses = 0; // processes the installer has started so far
    double secondsFromClick = 0;
};

struct InstallOptions {
    std::string program = InstallerPath();
    bool uncheckDesktopIcon = false;
    // By box title; a box not in the table ends the run as a problem.
    std::map<std::string, Answer> answers = {{"Finished", Answer::Ok}, {"Error", Answer::Ok}};
    DWORD timeoutMs = 30000;
};

struct InstallOutcome {
    std::string problem; // empty when the run went to its end
    DWORD processId = 0;
    bool checkBoxBefore = false;   // item 109 checked when "&Install" was clicked
    std::vector<BoxSeen> boxes;
    std::optional<DWORD> exitCode;
    // Processes the installer started that still ran when it ended.
    std::vector<DWORD> childrenAtExit;
    // Seen while polling: SYSTEM.INI's entry changed while the main window was still visible
    // (the entry is read before the window, so a hidden window cannot be mistaken).
    bool iniChangedWhileMainVisible = false;
    std::vector<std::string> Titles() const;
};

std::string Describe(const BoxSeen& box);

// Starts the installer, clicks "&Install" and answers every box until the process ends; then
// waits for the processes it started, which share its kill-on-close job.
InstallOutcome RunInstall(const InstallOptions& options = {});

} // namespace e2e
