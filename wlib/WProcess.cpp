#include "WProcess.h"

#include "WPlatform.h"

bool WProcess::Start(const char* application, const WString& commandLine, DWORD creationFlags,
                     DWORD startupFlags) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = startupFlags;
    PROCESS_INFORMATION started = {};
    WString line = commandLine; // CreateProcessA may write into it
    if (!CreateProcessA(application, line.SetLength(line.GetLength()), nullptr, nullptr, FALSE, creationFlags, nullptr,
                        nullptr, &startup, &started))
        return false;
    CloseHandle(started.hThread);
    process_.Reset(started.hProcess);
    id_ = started.dwProcessId;
    return true;
}

WString WProcess::QueryWindowsDirectory() {
    char directory[261] = "";
    GetWindowsDirectoryA(directory, sizeof directory);
    return WString(directory);
}

WString WProcess::QuerySystemDirectory() {
    char directory[MAX_PATH] = "";
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    return length > 0 && length < MAX_PATH ? WString(directory, length) : WString();
}

bool WProcess::WriteProfileEntry(const char* section, const char* key, const char* value,
                                 const char* file, bool flush) {
    const bool written = WritePrivateProfileStringA(section, key, value, file) != FALSE;
    if (flush && WPlatform::IsWindows9x())
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, file);
    return written;
}
