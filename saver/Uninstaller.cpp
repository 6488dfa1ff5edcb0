#include "Uninstaller.h"
#include "RegistryKey.h"
#include "ShellLinkTarget.h"
#include <windows.h>

namespace {

const char* const kUninstallList = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char* const kDesktopKey = "Control Panel\\Desktop";
const char* const kSelectionValue = "SCRNSAVE.EXE";
const char* const kSystemIni = "SYSTEM.INI";

std::string SystemIniSelection() {
    char value[MAX_PATH] = "";
    GetPrivateProfileStringA("boot", kSelectionValue, "", value, MAX_PATH, kSystemIni);
    return value;
}

std::string DesktopSelection() {
    std::string value;
    const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kDesktopKey, KEY_READ);
    if (!key.ReadString(kSelectionValue, value))
        value.clear();
    return value;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Removes a vendor key left empty once our own key under it is gone.
void DeleteIfEmpty(HKEY root, const std::string& path) {
    DWORD subkeys = 1, values = 1;
    {
        const RegistryKey key = RegistryKey::Open(root, path, KEY_READ);
        if (!key || RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr,
                                     nullptr, &values, nullptr, nullptr, nullptr,
                                     nullptr) != ERROR_SUCCESS)
            return;
    }
    if (subkeys == 0 && values == 0)
        RegDeleteKeyA(root, path.c_str());
}

} // namespace

bool Uninstaller::HasAdministratorRights() {
    // With the manifest's asInvoker level there is no registry virtualisation, so this
    // fails for anyone who may not change the list of installed programs.
    return static_cast<bool>(
        RegistryKey::Open(HKEY_LOCAL_MACHINE, kUninstallList, KEY_CREATE_SUB_KEY | KEY_SET_VALUE));
}

std::string Uninstaller::LinkPath() const {
    return locations_.desktopFolder + "\\" + locations_.linkName;
}

std::string Uninstaller::HelpPath() const {
    return locations_.program.Folder() + "\\" + locations_.helpName;
}

bool Uninstaller::LinkPointsHere() const {
    std::string target;
    return !locations_.desktopFolder.empty() && FileExists(LinkPath()) &&
           ShellLinkTarget::Read(LinkPath(), target) && locations_.program.IsNamedBy(target);
}

std::vector<InstallTrace> Uninstaller::FindTraces() const {
    using Kind = InstallTrace::Kind;
    std::vector<InstallTrace> traces;
    if (RegistryKey::Exists(HKEY_LOCAL_MACHINE, locations_.uninstallKeyPath))
        traces.push_back({Kind::UninstallKey, "the entry in the list of installed programs"});
    if (LinkPointsHere())
        traces.push_back({Kind::DesktopLink, "the desktop link " + LinkPath()});
    if (FileExists(HelpPath()))
        traces.push_back({Kind::HelpFile, "the help file " + HelpPath()});
    if (locations_.program.IsNamedBy(SystemIniSelection()))
        traces.push_back({Kind::SystemIniEntry, "the screen saver entry in SYSTEM.INI"});
    if (locations_.program.IsNamedBy(DesktopSelection()))
        traces.push_back({Kind::DesktopSelection, "the choice of Tessellux as your screen saver"});
    if (RegistryKey::Exists(HKEY_CURRENT_USER, locations_.settingsKeyPath))
        traces.push_back({Kind::SettingsKey, "your Tessellux settings"});
    return traces;
}

bool Uninstaller::RemoveTrace(const InstallTrace& trace) const {
    using Kind = InstallTrace::Kind;
    switch (trace.kind) {
    case Kind::UninstallKey:
        return RegistryKey::DeleteTree(HKEY_LOCAL_MACHINE, locations_.uninstallKeyPath);
    case Kind::DesktopLink:
        return DeleteFileA(LinkPath().c_str()) != FALSE;
    case Kind::HelpFile:
        return DeleteFileA(HelpPath().c_str()) != FALSE;
    case Kind::SystemIniEntry:
        return WritePrivateProfileStringA("boot", kSelectionValue, nullptr, kSystemIni) != FALSE;
    case Kind::DesktopSelection: {
        const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kDesktopKey, KEY_SET_VALUE);
        return key.DeleteValue(kSelectionValue);
    }
    case Kind::SettingsKey: {
        const bool removed = RegistryKey::DeleteTree(HKEY_CURRENT_USER, locations_.settingsKeyPath);
        const size_t slash = locations_.settingsKeyPath.find_last_of('\\');
        if (removed && slash != std::string::npos)
            DeleteIfEmpty(HKEY_CURRENT_USER, locations_.settingsKeyPath.substr(0, slash));
        return removed;
    }
    }
    return false;
}

UninstallReport Uninstaller::Remove(const std::vector<InstallTrace>& traces) const {
    UninstallReport report;
    for (const InstallTrace& trace : traces)
        (RemoveTrace(trace) ? report.removed : report.failed).push_back(trace.description);
    // A running program cannot delete its own file; Windows does it at the next start.
    report.programScheduled = MoveFileExA(locations_.program.Long().c_str(), nullptr,
                                          MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
    if (!report.programScheduled)
        report.failed.push_back("the program file " + locations_.program.Long());
    return report;
}
