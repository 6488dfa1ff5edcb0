// show-and-cancel INSTALLER SHOWN-FILE GO-FILE
// Starts the installer, writes SHOWN-FILE once its window is up, waits for GO-FILE to appear
// (at most a minute), presses "&Cancel" and writes "exit=<code>" to SHOWN-FILE.
// Lets a headless run take a screenshot of the window and end cleanly.
#include <windows.h>

#include <cstdio>

namespace {
bool WaitFor(bool (*done)(const char*), const char* argument, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!done(argument)) {
        if (GetTickCount() - start > milliseconds)
            return false;
        Sleep(50);
    }
    return true;
}

bool FileExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

HWND mainWindow = nullptr;
DWORD installerProcess = 0;

bool MainWindowShown(const char*) {
    HWND window = FindWindowA(nullptr, "Tessellux Installation");
    DWORD process = 0;
    if (window)
        GetWindowThreadProcessId(window, &process);
    if (window && process == installerProcess && IsWindowVisible(window))
        mainWindow = window;
    return mainWindow != nullptr;
}

void WriteText(const char* path, const char* text) {
    if (FILE* file = std::fopen(path, "wb")) {
        std::fputs(text, file);
        std::fclose(file);
    }
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: show-and-cancel INSTALLER SHOWN-FILE GO-FILE\n");
        return 2;
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    CloseHandle(process.hThread);
    installerProcess = process.dwProcessId;
    if (WaitFor(MainWindowShown, nullptr, 30000)) {
        WriteText(argv[2], "shown");
        WaitFor(FileExists, argv[3], 60000);
        if (HWND cancel = GetDlgItem(mainWindow, 102))
            PostMessageA(cancel, BM_CLICK, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    char text[32];
    std::snprintf(text, sizeof text, "exit=%ld", static_cast<long>(code));
    WriteText(argv[2], text);
    return 0;
}
