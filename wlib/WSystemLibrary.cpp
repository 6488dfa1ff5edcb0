#include "WSystemLibrary.h"

#include "WString.h"

void RestrictDllSearchToSystem() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel)
        return;
    // Present from Windows 8 on, and on Windows 7 with its loader update.
    auto restrict = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (restrict)
        restrict(0x00000800 /* LOAD_LIBRARY_SEARCH_SYSTEM32 */);
    SetDllDirectoryA(""); // drops the current directory from the search where the above is absent
}

HMODULE LoadSystemLibrary(const char* fileName) {
    char directory[MAX_PATH];
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const WString path = WString(directory, length) + "\\" + fileName;
    return LoadLibraryA(path.GetText());
}
