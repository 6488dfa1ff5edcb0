#include "UninstallLocations.h"
#include <windows.h>
#include <shlobj.h>

namespace {

std::string DesktopFolder() {
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &list)) || !list)
        return {};
    char path[MAX_PATH] = "";
    const BOOL found = SHGetPathFromIDListA(list, path);
    CoTaskMemFree(list);
    return found ? std::string(path) : std::string();
}

} // namespace

UninstallLocations UninstallLocations::ForThisProgram() {
    UninstallLocations locations;
    locations.program = ProgramPath::OfThisProgram();
    locations.desktopFolder = DesktopFolder();
    return locations;
}
