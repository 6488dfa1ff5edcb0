#pragma once
#include "ProgramPath.h"
#include <string>

// Where the installer puts things. Tests may point the keys and folders elsewhere.
struct UninstallLocations {
    ProgramPath program{std::string(), std::string()};
    std::string desktopFolder;
    std::string uninstallKeyPath =  // under HKEY_LOCAL_MACHINE
        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessellux Screen Saver";
    std::string settingsKeyPath = "Software\\Orrinwald\\Tessellux";  // under HKEY_CURRENT_USER
    std::string linkName = "Tessellux.lnk";
    std::string helpName = "Tessellux.chm";

    // This program and the current user's desktop.
    static UninstallLocations ForThisProgram();
};
