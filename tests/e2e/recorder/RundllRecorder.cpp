// A recording stand-in for rundll32.exe: the install tests put it where the installer starts the
// control panel from (and beside a copy of the installer, where it must not be run). It appends
// one block of "name=value" lines, ended by "end", to the file named by TESSELLUX_E2E_RECORD and
// exits with 0. Without that variable it does nothing, so a stray start harms nobody.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <string>

namespace {

DWORD ParentProcessId() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    DWORD parent = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ProcessID == GetCurrentProcessId())
            parent = entry.th32ParentProcessID;
    CloseHandle(snapshot);
    return parent;
}

struct MainWindowSearch {
    DWORD processId;
    const char* state;
};

// The installer's main window, as the control panel would find it once started.
BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<MainWindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[64] = "";
    GetWindowTextA(window, title, sizeof title);
    if (owner != search->processId || lstrcmpA(title, "Tessellux Installation") != 0)
        return TRUE;
    search->state = (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) ? "visible" : "hidden";
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char recordPath[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("TESSELLUX_E2E_RECORD", recordPath, MAX_PATH))
        return 0;

    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const DWORD parent = ParentProcessId();
    MainWindowSearch search{parent, "gone"};
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
    char systemIni[MAX_PATH] = "";
    GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "<none>", systemIni, MAX_PATH, "SYSTEM.INI");
    // A fresh process: the system parameter comes from the persisted setting, not a cache.
    BOOL active = -1;
    if (!SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0))
        active = -1;

    std::string block;
    block += std::string("module=") + module + "\n";
    block += std::string("command_line=") + GetCommandLineA() + "\n";
    block += "parent_pid=" + std::to_string(parent) + "\n";
    block += "startup_flags=" + std::to_string(startup.dwFlags) + "\n";
    block += "priority_class=" + std::to_string(GetPriorityClass(GetCurrentProcess())) + "\n";
    block += std::string("main_window=") + search.state + "\n";
    block += std::string("system_ini=") + systemIni + "\n";
    block += "screen_save_active=" + std::to_string(active) + "\n";
    block += "end\n";

    // Appended whole, so two stand-ins running at once still give two readable blocks.
    for (int attempt = 0; attempt < 50; ++attempt) {
        const HANDLE file = CreateFileA(recordPath, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr);
            CloseHandle(file);
            break;
        }
        Sleep(20);
    }
    return 0;
}
