#pragma once
// Shared by the end-to-end test programs: the driver, and printing of Win32 values.
#include "Dialogs.h"
#include "Handles.h"
#include "Installation.h"
#include "InstallRun.h"
#include "Installer.h"
#include "Poll.h"
#include "Process.h"
#include "Screen.h"
#include "SystemState.h"
#include "Windows.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const RECT& r, std::ostream* os) { *os << e2e::Describe(r); }

inline std::string Hex(unsigned long value) {
    char text[20];
    std::snprintf(text, sizeof text, "0x%08lX", value);
    return text;
}

// Dark blue (colour 6 of the palette) and white (colour 8).
constexpr COLORREF kDarkBlue = RGB(0, 0, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
