#include "Installation.h"

#include "Poll.h"
#include "SystemState.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <ostream>

namespace e2e {

namespace {
constexpr char kWineOverrides[] = "Software\\Wine\\DllOverrides";
constexpr char kOverrideName[] = "rundll32.exe";
constexpr char kRecordVariable[] = "TESSELLUX_E2E_RECORD";
constexpr char kBackupName[] = "\\rundll32.exe.e2e-original";

std::string BackupPath() { return SystemDirectory() + kBackupName; }
} // namespace

std::string ScreenSaverPath() { return WindowsDirectory() + "\\Tessellux.scr"; }
std::string HelpFilePath() { return WindowsDirectory() + "\\Tessellux.chm"; }

std::string ShellDesktopDirectory() {
    char path[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, path, CSIDL_DESKTOP, FALSE);
    return path;
}

std::string LinkPath() { return ShellDesktopDirectory() + "\\Tessellux.lnk"; }

std::string SystemDirectory() {
    char path[MAX_PATH] = "";
    GetSystemDirectoryA(path, MAX_PATH);
    return path;
}

std::string ShortPathOf(const std::string& path) {
    char buffer[MAX_PATH] = "";
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return length && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

std::string Lowered(std::string text) {
    if (!text.empty())
        CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    if (IsDirectory(path))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    const HANDLE raw = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (raw == INVALID_HANDLE_VALUE)
        return false;
    UniqueHandle file(raw);
    DWORD written = 0;
    return WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
}

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> DirectoryListing(const std::string& directory) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found = {};
    const HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(Lowered(name));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

RegistryValue StringValue(const std::string& text) {
    return RegistryValue{REG_SZ, text + std::string(1, '\0')};
}

RegistryValue DwordValue(DWORD value) {
    return RegistryValue{REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value)};
}

std::string Describe(const RegistryValue& value) {
    const char* type = value.type == REG_SZ          ? "REG_SZ"
                       : value.type == REG_EXPAND_SZ ? "REG_EXPAND_SZ"
                       : value.type == REG_DWORD     ? "REG_DWORD"
                       : value.type == REG_BINARY    ? "REG_BINARY"
                       : value.type == REG_MULTI_SZ  ? "REG_MULTI_SZ"
                                                     : nullptr;
    std::string text = type ? type : "type " + std::to_string(value.type);
    text += " size " + std::to_string(value.data.size()) + " ";
    if (value.type == REG_DWORD && value.data.size() == sizeof(DWORD)) {
        DWORD number = 0;
        std::copy(value.data.begin(), value.data.end(), reinterpret_cast<char*>(&number));
        return text + std::to_string(number);
    }
    text += "\"";
    for (unsigned char c : value.data) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            text += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, c ? "\\x%02X" : "\\0", c);
            text += escaped;
        }
    }
    return text + "\"";
}

std::string Describe(const std::optional<RegistryValue>& value) {
    return value ? Describe(*value) : std::string("<absent>");
}

void PrintTo(const RegistryValue& value, std::ostream* os) { *os << Describe(value); }

std::optional<RegistryValues> ReadKeyValues(HKEY root, const std::string& path, REGSAM view) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | view, &raw) != ERROR_SUCCESS)
        return std::nullopt;
    UniqueKey key(raw);
    RegistryValues values;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof name;
        DWORD type = 0;
        std::string data(4096, '\0');
        DWORD dataLength = static_cast<DWORD>(data.size());
        const LONG status = RegEnumValueA(key.Get(), index, name, &nameLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(&data[0]), &dataLength);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS) {
            values[std::string("<unreadable #") + std::to_string(index) + ">"] = {};
            continue;
        }
        data.resize(dataLength);
        values[std::string(name, nameLength)] = RegistryValue{type, data};
    }
    return values;
}

std::optional<RegistryValue> ReadValue(HKEY root, const std::string& path, const std::string& name,
                                       REGSAM view) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE | view, &raw) != ERROR_SUCCESS)
        return std::nullopt;
    UniqueKey key(raw);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::string data(size, '\0');
    if (size && RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type,
                                 reinterpret_cast<BYTE*>(&data[0]), &size) != ERROR_SUCCESS)
        return std::nullopt;
    data.resize(size);
    return RegistryValue{type, data};
}

bool WriteValue(HKEY root, const std::string& path, const std::string& name,
                const std::optional<RegistryValue>& value) {
    HKEY raw = nullptr;
    if (!value) {
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_SET_VALUE, &raw) != ERROR_SUCCESS)
            return true; // no key, no value
        UniqueKey key(raw);
        const LONG status = RegDeleteValueA(key.Get(), name.c_str());
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr) !=
        ERROR_SUCCESS)
        return false;
    UniqueKey key(raw);
    return RegSetValueExA(key.Get(), name.c_str(), 0, value->type,
                          reinterpret_cast<const BYTE*>(value->data.data()),
                          static_cast<DWORD>(value->data.size())) == ERROR_SUCCESS;
}

bool KeyExists(HKEY root, const std::string& path, REGSAM view) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | view, &raw) != ERROR_SUCCESS)
        return false;
    RegCloseKey(raw);
    return true;
}

void DeleteKeyTree(HKEY root, const std::string& path, REGSAM view) {
    const size_t slash = path.find_last_of('\\');
    const std::string parentPath = slash == std::string::npos ? std::string() : path.substr(0, slash);
    const std::string leaf = slash == std::string::npos ? path : path.substr(slash + 1);
    HKEY raw = nullptr;
    if (RegOpenKeyExA(root, parentPath.c_str(), 0, KEY_ALL_ACCESS | view, &raw) != ERROR_SUCCESS)
        return;
    UniqueKey parent(raw);
    RegDeleteTreeA(parent.Get(), leaf.c_str());
    RegDeleteKeyExA(parent.Get(), leaf.c_str(), view, 0);
}

namespace {
// COM for the duration of one call; balanced only when this call initialised it.
class ComScope {
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT result_;
};

template <class T> struct ComRelease {
    T* p = nullptr;
    ~ComRelease() {
        if (p)
            p->Release();
    }
};

bool ToWide(const std::string& text, wchar_t (&wide)[MAX_PATH]) {
    return MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, MAX_PATH) != 0;
}
} // namespace

LinkContents ReadLink(const std::string& path) {
    LinkContents contents;
    const ComScope com;
    ComRelease<IShellLinkA> link;
    ComRelease<IPersistFile> file;
    contents.loaded = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IShellLinkA, reinterpret_cast<void**>(&link.p));
    if (FAILED(contents.loaded))
        return contents;
    contents.loaded = link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p));
    if (FAILED(contents.loaded))
        return contents;
    wchar_t wide[MAX_PATH];
    if (!ToWide(path, wide)) {
        contents.loaded = E_INVALIDARG;
        return contents;
    }
    contents.loaded = file.p->Load(wide, STGM_READ);
    if (FAILED(contents.loaded))
        return contents;
    char text[MAX_PATH] = "";
    WIN32_FIND_DATAA found = {};
    // SLGP_RAWPATH: the path as stored, not one the shell resolves anew.
    if (SUCCEEDED(link.p->GetPath(text, MAX_PATH, &found, SLGP_RAWPATH)))
        contents.target = text;
    text[0] = '\0';
    if (SUCCEEDED(link.p->GetIconLocation(text, MAX_PATH, &contents.iconIndex)))
        contents.iconPath = text;
    return contents;
}

bool WriteLink(const std::string& path, const std::string& target) {
    const ComScope com;
    ComRelease<IShellLinkA> link;
    ComRelease<IPersistFile> file;
    wchar_t wide[MAX_PATH];
    return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkA, reinterpret_cast<void**>(&link.p))) &&
           SUCCEEDED(link.p->SetPath(target.c_str())) &&
           SUCCEEDED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))) &&
           ToWide(path, wide) && SUCCEEDED(file.p->Save(wide, TRUE));
}

std::optional<std::string> ReadSystemIniScreenSaver() {
    // Two different defaults tell "absent" from any value the entry could hold.
    char first[MAX_PATH] = "";
    char second[MAX_PATH] = "";
    GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "<absent:1>", first, MAX_PATH, "SYSTEM.INI");
    GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "<absent:2>", second, MAX_PATH, "SYSTEM.INI");
    if (lstrcmpA(first, second) != 0)
        return std::nullopt;
    return std::string(first);
}

bool WriteSystemIniScreenSaver(const std::optional<std::string>& value) {
    return WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", value ? value->c_str() : nullptr,
                                      "SYSTEM.INI") != FALSE;
}

SavedRegistryValue::SavedRegistryValue(HKEY root, std::string path, std::string name)
    : root_(root), path_(std::move(path)), name_(std::move(name)),
      saved_(ReadValue(root_, path_, name_)) {}

SavedRegistryValue::~SavedRegistryValue() { WriteValue(root_, path_, name_, saved_); }

SavedSystemIniEntry::SavedSystemIniEntry() : saved_(ReadSystemIniScreenSaver()) {}
SavedSystemIniEntry::~SavedSystemIniEntry() { WriteSystemIniScreenSaver(saved_); }

void RemoveInstallation() {
    const std::string program = ScreenSaverPath();
    SetFileAttributesA(program.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (IsDirectory(program))
        RemoveDirectoryA(program.c_str());
    else
        DeleteFileA(program.c_str());
    DeleteFileA(HelpFilePath().c_str());
    DeleteFileA(LinkPath().c_str());
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kUninstallKeyPath, KEY_WOW64_64KEY);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kUninstallKeyPath, KEY_WOW64_32KEY);
}

std::vector<DWORD> ChildProcesses(DWORD parentId) {
    std::vector<DWORD> children;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return children;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        // Wine starts its desktop process from whichever program first needs it (it outlives
        // that program); it is not one the installer started.
        const bool wineDesktop = lstrcmpiA(entry.szExeFile, "explorer.exe") == 0;
        if (entry.th32ParentProcessID == parentId && entry.th32ProcessID != parentId && !wineDesktop)
            children.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return children;
}

namespace {
// True when there was a backup and it is back in place.
bool RestoreBackup() {
    const std::string backup = BackupPath();
    return FileExists(backup) &&
           CopyFileA(backup.c_str(), (SystemDirectory() + "\\rundll32.exe").c_str(), FALSE) &&
           DeleteFileA(backup.c_str());
}
} // namespace

void ControlPanelRecorder::RestoreLeftover() {
    // The override went in with the stand-in, so it goes with it.
    if (RestoreBackup())
        WriteValue(HKEY_CURRENT_USER, kWineOverrides, kOverrideName, std::nullopt);
}

ControlPanelRecorder::ControlPanelRecorder(const std::string& recorderPath) {
    systemProgram_ = SystemDirectory() + "\\rundll32.exe";
    backupPath_ = BackupPath();
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    recordPath_ = std::string(temp) + "tessellux-e2e-control-panel.txt";
    Clear();

    if (!CopyFileA(systemProgram_.c_str(), backupPath_.c_str(), FALSE)) {
        problem_ = "backup of " + systemProgram_ + " failed, error " + std::to_string(GetLastError());
        return;
    }
    if (!CopyFileA(recorderPath.c_str(), systemProgram_.c_str(), FALSE)) {
        problem_ = "copy of " + recorderPath + " to " + systemProgram_ + " failed, error " +
                   std::to_string(GetLastError());
        RestoreBackup();
        return;
    }
    replaced_ = true;
    savedOverride_ = ReadValue(HKEY_CURRENT_USER, kWineOverrides, kOverrideName);
    if (!WriteValue(HKEY_CURRENT_USER, kWineOverrides, kOverrideName, StringValue("native")))
        problem_ = "DllOverrides not writable";
    SetEnvironmentVariableA(kRecordVariable, recordPath_.c_str());
}

ControlPanelRecorder::~ControlPanelRecorder() {
    SetEnvironmentVariableA(kRecordVariable, nullptr);
    if (replaced_) {
        // A stand-in still starting keeps its file busy: try for a while.
        PollFor(kActionTimeoutMs, [] { return RestoreBackup() || !FileExists(BackupPath()); });
        WriteValue(HKEY_CURRENT_USER, kWineOverrides, kOverrideName, savedOverride_);
    }
    Clear();
}

void ControlPanelRecorder::Clear() const { DeleteFileA(recordPath_.c_str()); }

std::vector<Record> ControlPanelRecorder::Records() const {
    std::vector<Record> records;
    const std::optional<std::string> text = ReadFileBytes(recordPath_);
    if (!text)
        return records;
    Record current;
    size_t at = 0;
    while (at < text->size()) {
        size_t end = text->find('\n', at);
        if (end == std::string::npos)
            break; // a block still being written
        const std::string line = text->substr(at, end - at);
        at = end + 1;
        if (line == "end") {
            records.push_back(current);
            current.clear();
            continue;
        }
        const size_t equals = line.find('=');
        if (equals != std::string::npos)
            current[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return records;
}

std::vector<Record> ControlPanelRecorder::WaitForRecords(size_t count, DWORD timeoutMs) const {
    std::vector<Record> records;
    PollFor(timeoutMs, [&] {
        records = Records();
        return records.size() >= count;
    });
    return records;
}

std::string Describe(const Record& record) {
    std::string text;
    for (const auto& [name, value] : record)
        text += "  " + name + "=" + value + "\n";
    return text;
}

} // namespace e2e
