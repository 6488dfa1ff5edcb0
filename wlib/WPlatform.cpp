#include "WPlatform.h"

#include <windows.h>

bool WPlatform::IsWindows9x() {
    static const bool is9x = [] {
        OSVERSIONINFOA info = {};
        info.dwOSVersionInfoSize = sizeof info;
        return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    }();
    return is9x;
}
