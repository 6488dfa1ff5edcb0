#pragma once
#include <string>

// One thing the installer left that uninstalling removes.
struct InstallTrace {
    enum class Kind { UninstallKey, DesktopLink, HelpFile, SystemIniEntry, DesktopSelection, SettingsKey };

    Kind kind;
    std::string description;  // for the user, e.g. the file's path
};
