#pragma once
// The traces an installation leaves (files, registry, SYSTEM.INI, the desktop link), recorded
// so that a test can show a run left them exactly as they were.
#include <map>
#include <string>

namespace e2e {

struct SystemSnapshot {
    // What -> its state: "absent", or size and contents/values in a printable form.
    std::map<std::string, std::string> items;

    static SystemSnapshot Take();
    bool operator==(const SystemSnapshot& other) const { return items == other.items; }
    bool operator!=(const SystemSnapshot& other) const { return !(*this == other); }
    // Lines "what: before -> after" for every item that differs.
    static std::string Differences(const SystemSnapshot& before, const SystemSnapshot& after);
};

// Paths the installer writes, for tests that check a single one.
std::string WindowsDirectory();
std::string DesktopDirectory();
bool FileExists(const std::string& path);
// [boot] SCRNSAVE.EXE of SYSTEM.INI, or "<none>".
std::string SystemIniScreenSaver();

} // namespace e2e
