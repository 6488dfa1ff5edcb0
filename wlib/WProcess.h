#pragma once
#include "WHandle.h"
#include "WString.h"

// A started process. The primary thread's handle is closed at once; the process handle is
// held until the object goes. Also the system facts a process needs: the Windows and system
// directories, and the profile-string writer.
class WProcess {
public:
    // CreateProcessA with `application` (null: found from the command line), no security
    // attributes, no inherited handles, no environment block or current directory of its own,
    // and a STARTUPINFOA whose only flags are `startupFlags`. Reports whether it started.
    bool Start(const char* application, const WString& commandLine, DWORD creationFlags,
               DWORD startupFlags);

    HANDLE GetHandle() const { return process_.Get(); }
    DWORD GetId() const { return id_; }

    // GetWindowsDirectoryA into a buffer of 261 characters.
    static WString QueryWindowsDirectory();
    // GetSystemDirectoryA; empty when it cannot be read.
    static WString QuerySystemDirectory();

    // WritePrivateProfileStringA. With `flush`, on the Windows 95/98/Me family (which caches
    // profile files) a second call with null section, key and value writes the file to disk.
    static bool WriteProfileEntry(const char* section, const char* key, const char* value,
                                  const char* file, bool flush);

private:
    WKernelHandle process_;
    DWORD id_ = 0;
};
