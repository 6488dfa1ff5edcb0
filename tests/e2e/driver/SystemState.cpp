#include "SystemState.h"

#include "Handles.h"

#include <shlobj.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace e2e {

namespace {
constexpr char kUninstallKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessellux Screen Saver";

std::string FileState(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "absent";
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Size and a cheap checksum: enough to tell any rewrite apart.
    unsigned long long sum = 1469598103934665603ULL;
    for (unsigned char c : bytes)
        sum = (sum ^ c) * 1099511628211ULL;
    char text[80];
    std::snprintf(text, sizeof text, "%zu bytes, fnv %016llx", bytes.size(), sum);
    return text;
}

std::string KeyState(HKEY root, const char* path, REGSAM view, const char* onlyValue = nullptr) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ | view, &raw) != ERROR_SUCCESS)
        return "absent";
    UniqueKey key(raw);
    std::string state = "present";
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof name;
        DWORD type = 0;
        BYTE data[1024];
        DWORD dataLength = sizeof data;
        const LONG status =
            RegEnumValueA(key.Get(), index, name, &nameLength, nullptr, &type, data, &dataLength);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS)
            continue;
        if (onlyValue && lstrcmpiA(name, onlyValue) != 0)
            continue;
        char head[300];
        std::snprintf(head, sizeof head, "; %s type %lu size %lu =", name, type, dataLength);
        state += head;
        for (DWORD i = 0; i < dataLength; ++i) {
            char byte[4];
            std::snprintf(byte, sizeof byte, " %02x", data[i]);
            state += byte;
        }
    }
    return state;
}
} // namespace

std::string WindowsDirectory() {
    char directory[MAX_PATH] = "";
    GetWindowsDirectoryA(directory, MAX_PATH);
    return directory;
}

std::string DesktopDirectory() {
    char directory[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, directory);
    return directory;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string SystemIniScreenSaver() {
    char value[MAX_PATH] = "";
    GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "<none>", value, MAX_PATH, "SYSTEM.INI");
    return value;
}

SystemSnapshot SystemSnapshot::Take() {
    SystemSnapshot s;
    const std::string windows = WindowsDirectory();
    s.items["file Tessellux.scr"] = FileState(windows + "\\Tessellux.scr");
    s.items["file Tessellux.chm"] = FileState(windows + "\\Tessellux.chm");
    s.items["file system.ini"] = FileState(windows + "\\system.ini");
    s.items["system.ini [boot] SCRNSAVE.EXE"] = SystemIniScreenSaver();
    s.items["desktop Tessellux.lnk"] = FileState(DesktopDirectory() + "\\Tessellux.lnk");
    char common[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_COMMON_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, common);
    s.items["common desktop Tessellux.lnk"] = FileState(std::string(common) + "\\Tessellux.lnk");
    s.items["HKLM uninstall (64-bit view)"] =
        KeyState(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_64KEY);
    s.items["HKLM uninstall (32-bit view)"] =
        KeyState(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_32KEY);
    s.items["HKCU Control Panel\\Desktop SCRNSAVE.EXE"] =
        KeyState(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, "SCRNSAVE.EXE");
    s.items["HKCU Control Panel\\Desktop ScreenSaveActive"] =
        KeyState(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, "ScreenSaveActive");
    return s;
}

std::string SystemSnapshot::Differences(const SystemSnapshot& before,
                                        const SystemSnapshot& after) {
    std::string text;
    for (const auto& [what, was] : before.items) {
        auto it = after.items.find(what);
        const std::string now = it == after.items.end() ? "<not recorded>" : it->second;
        if (now != was)
            text += what + ": " + was + " -> " + now + "\n";
    }
    return text;
}

} // namespace e2e
