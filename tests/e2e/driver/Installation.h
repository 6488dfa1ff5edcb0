#pragma once
// An installation's traces read back in detail (files, registry values with their types, the
// link's contents, SYSTEM.INI), settings the tests change saved and put back, and the recording
// stand-in that takes the place of the control panel program.
#include "Handles.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

constexpr char kUninstallKeyPath[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessellux Screen Saver";
constexpr char kDesktopSettingsKey[] = "Control Panel\\Desktop";

std::string ScreenSaverPath(); // <Windows>\Tessellux.scr
std::string HelpFilePath();    // <Windows>\Tessellux.chm
std::string ShellDesktopDirectory(); // SHGetSpecialFolderPath(CSIDL_DESKTOP)
std::string LinkPath();        // <desktop>\Tessellux.lnk
std::string SystemDirectory();
// GetShortPathNameA's answer; empty when it fails.
std::string ShortPathOf(const std::string& path);
std::string Lowered(std::string text);

// The whole file; nothing when it cannot be opened (absent, or a directory).
std::optional<std::string> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool IsDirectory(const std::string& path);
// Names in `directory` (no "." or ".."), sorted, lower case.
std::vector<std::string> DirectoryListing(const std::string& directory);

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string data; // the bytes as stored

    bool operator==(const RegistryValue& o) const { return type == o.type && data == o.data; }
    bool operator!=(const RegistryValue& o) const { return !(*this == o); }
};
// REG_SZ with its terminating NUL counted, as RegSetValueEx is usually given it.
RegistryValue StringValue(const std::string& text);
RegistryValue DwordValue(DWORD value);
// "REG_SZ size 6 \"4.7.0\\0\"" or "REG_DWORD size 4 1408".
std::string Describe(const RegistryValue& value);
std::string Describe(const std::optional<RegistryValue>& value);
void PrintTo(const RegistryValue& value, std::ostream* os);

using RegistryValues = std::map<std::string, RegistryValue>;
// Every value of the key; nothing when the key cannot be opened. `view`: KEY_WOW64_64KEY, ...
std::optional<RegistryValues> ReadKeyValues(HKEY root, const std::string& path, REGSAM view = 0);
std::optional<RegistryValue> ReadValue(HKEY root, const std::string& path, const std::string& name,
                                       REGSAM view = 0);
// Writes the value, or deletes it when given nothing.
bool WriteValue(HKEY root, const std::string& path, const std::string& name,
                const std::optional<RegistryValue>& value);
bool KeyExists(HKEY root, const std::string& path, REGSAM view = 0);
void DeleteKeyTree(HKEY root, const std::string& path, REGSAM view = 0);

struct LinkContents {
    HRESULT loaded = E_FAIL; // IPersistFile::Load's answer
    std::string target;
    std::string iconPath;
    int iconIndex = -1;
};
// The link read back through IShellLinkA (COM is initialised for the call).
LinkContents ReadLink(const std::string& path);
bool WriteLink(const std::string& path, const std::string& target);

// SYSTEM.INI [boot] SCRNSAVE.EXE; nothing when there is no such entry.
std::optional<std::string> ReadSystemIniScreenSaver();
bool WriteSystemIniScreenSaver(const std::optional<std::string>& value);

// A registry value saved when made and put back (or deleted again) when destroyed.
class SavedRegistryValue {
public:
    SavedRegistryValue(HKEY root, std::string path, std::string name);
    ~SavedRegistryValue();
    SavedRegistryValue(const SavedRegistryValue&) = delete;
    SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;
    const std::optional<RegistryValue>& Saved() const { return saved_; }

private:
    HKEY root_;
    std::string path_;
    std::string name_;
    std::optional<RegistryValue> saved_;
};

// SYSTEM.INI [boot] SCRNSAVE.EXE saved and put back.
class SavedSystemIniEntry {
public:
    SavedSystemIniEntry();
    ~SavedSystemIniEntry();
    SavedSystemIniEntry(const SavedSystemIniEntry&) = delete;
    SavedSystemIniEntry& operator=(const SavedSystemIniEntry&) = delete;
    const std::optional<std::string>& Saved() const { return saved_; }

private:
    std::optional<std::string> saved_;
};

// Deletes what an installation leaves: the program (a directory of its name too), the help
// file, the uninstall key (both registry views) and the desktop link. Other settings are the
// business of the Saved* owners.
void RemoveInstallation();

// Running processes started by process `parentId`.
std::vector<DWORD> ChildProcesses(DWORD parentId);

using Record = std::map<std::string, std::string>;

// The recording stand-in (tests/e2e/recorder) in place of <system>\rundll32.exe, with Wine told
// to run the file rather than its built-in program (HKCU\Software\Wine\DllOverrides, read by
// each new process). Programs this process starts afterwards inherit TESSELLUX_E2E_RECORD, the
// file the stand-in appends its records to. Everything is put back when this goes.
class ControlPanelRecorder {
public:
    explicit ControlPanelRecorder(const std::string& recorderPath);
    ~ControlPanelRecorder();
    ControlPanelRecorder(const ControlPanelRecorder&) = delete;
    ControlPanelRecorder& operator=(const ControlPanelRecorder&) = delete;

    bool Ok() const { return problem_.empty(); }
    const std::string& Problem() const { return problem_; }
    const std::string& SystemProgram() const { return systemProgram_; }
    const std::string& RecordPath() const { return recordPath_; }

    void Clear() const;
    std::vector<Record> Records() const;
    // Polls until `count` records are there (or the time is up); returns what there is.
    std::vector<Record> WaitForRecords(size_t count, DWORD timeoutMs) const;

    // Puts back an original (and takes out the override) that a killed earlier run left.
    static void RestoreLeftover();

private:
    std::string systemProgram_;
    std::string backupPath_;
    std::string recordPath_;
    bool replaced_ = false;
    std::optional<RegistryValue> savedOverride_;
    std::string problem_;
};

std::string Describe(const Record& record);

} // namespace e2e
