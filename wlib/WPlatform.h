#pragma once

// Facts about the running system, asked once per process and remembered.
namespace WPlatform {
// The Windows 95/98/Me family (GetVersionExA reports VER_PLATFORM_WIN32_WINDOWS).
bool IsWindows9x();
} // namespace WPlatform
