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
#include <memory>
#include <optional>
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

// One running installer, and the reference dialog made from one of its templates, shared by a
// suite's read-only checks; tests that change state start installers of their own.
inline constexpr char kMainWindowTemplate[] = "ID_Form1";
inline constexpr char kBackdropTemplate[] = "ID_Form2";

template <const char* Template> class SharedInstallerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        installer = std::make_unique<e2e::RunningInstaller>();
        reference = std::make_unique<e2e::ReferenceDialog>(e2e::InstallerPath(), Template);
    }
    static void TearDownTestSuite() {
        if (installer->Ok()) {
            EXPECT_EQ(installer->CancelAndWait(), std::optional<DWORD>(0));
        }
        installer.reset();
        reference.reset();
    }
    void SetUp() override {
        ASSERT_TRUE(installer->Ok()) << installer->Problem();
        ASSERT_TRUE(reference->Ok()) << "reference dialog, error " << reference->LoadError();
    }

    static inline std::unique_ptr<e2e::RunningInstaller> installer;
    static inline std::unique_ptr<e2e::ReferenceDialog> reference;
};
