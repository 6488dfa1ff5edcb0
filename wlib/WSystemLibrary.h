#pragma once
#include <windows.h>

// Libraries are loaded from the system directory only, never from the program's own folder
// (an installer typically runs from a download folder, where a planted DLL would otherwise
// run with its rights).

// Restricts the process's default DLL search to the system directory where the system
// supports it (SetDefaultDllDirectories); call once, early.
void RestrictDllSearchToSystem();

// Loads `fileName` from the system directory. The library stays loaded for the process.
HMODULE LoadSystemLibrary(const char* fileName);
