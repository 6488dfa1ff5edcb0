// How the installer ends: each way out of the main window, a WM_QUIT of its own, a main
// window that cannot be created, and the backdrop's part in it.
#include "E2E.h"

#include <functional>

using namespace e2e;

namespace {

struct WayOut {
    const char* name;
    std::function<bool(RunningInstaller&)> act;
};

const WayOut kWaysOut[] = {
    {"CancelButton", [](RunningInstaller& i) { return PostClick(i.Item(102)); }},
    {"CloseBox", [](RunningInstaller& i) { return PostSysCommand(i.Main(), SC_CLOSE); }},
    {"AltF4",
     [](RunningInstaller& i) {
         HWND focus = FocusOfThread(i.Proc().MainThreadId());
         return PostAltF4(focus ? focus : i.Main());
     }},
};

class WayOutTest : public ::testing::TestWithParam<WayOut> {};

TEST_P(WayOutTest, EndsWithZeroAndTouchesNothing) {
    const SystemSnapshot before = SystemSnapshot::Take();
    {
        RunningInstaller installer;
        ASSERT_TRUE(installer.Ok()) << installer.Problem();
        ASSERT_TRUE(GetParam().act(installer));
        const std::optional<DWORD> code =
            installer.Proc().WaitForExit(RunningInstaller::kExitTimeoutMs);
        ASSERT_TRUE(code.has_value()) << "still running";
        EXPECT_EQ(Hex(*code), Hex(0));
        EXPECT_FALSE(WindowExists(installer.Main()));
        EXPECT_FALSE(WindowExists(installer.Backdrop()));
    }
    const SystemSnapshot after = SystemSnapshot::Take();
    EXPECT_TRUE(before == after) << SystemSnapshot::Differences(before, after);
}

INSTANTIATE_TEST_SUITE_P(Ways, WayOutTest, ::testing::ValuesIn(kWaysOut),
                         [](const ::testing::TestParamInfo<WayOut>& info) {
                             return std::string(info.param.name);
                         });

TEST(EndingTest, SnapshotSeesAnInstalledFile) {
    // The "touches nothing" check above must be able to fail: a stand-in trace is seen.
    const std::string path = WindowsDirectory() + "\\Tessellux.chm";
    const SystemSnapshot before = SystemSnapshot::Take();
    if (before.items.at("file Tessellux.chm") != "absent")
        GTEST_SKIP() << "a Tessellux.chm is already there (left by an installation test)";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
    DWORD written = 0;
    WriteFile(file, "x", 1, &written, nullptr);
    CloseHandle(file);
    const SystemSnapshot after = SystemSnapshot::Take();
    DeleteFileA(path.c_str());
    EXPECT_FALSE(before == after);
    EXPECT_NE(SystemSnapshot::Differences(before, after).find("Tessellux.chm"), std::string::npos);
}

class ArgumentsTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ArgumentsTest, SameWindowAndCancelEndsWithZero) {
    RunningInstaller installer(GetParam());
    ASSERT_TRUE(installer.Ok()) << installer.Problem();
    EXPECT_EQ(Text(installer.Item(101)), "&Install");
    EXPECT_EQ(installer.CancelAndWait(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(CommandLines, ArgumentsTest,
                         ::testing::Values("/S -u foo", "/? \"two words\""));

TEST(EndingTest, QuitMessageCodeIsNotTheExitCode) {
    RunningInstaller installer;
    ASSERT_TRUE(installer.Ok()) << installer.Problem();
    const DWORD thread = WindowThreadId(installer.Main());
    ASSERT_EQ(thread, installer.Proc().MainThreadId());
    ASSERT_TRUE(PostThreadMessageA(thread, WM_QUIT, 7, 0)) << GetLastError();
    const std::optional<DWORD> code = installer.Proc().WaitForExit(RunningInstaller::kExitTimeoutMs);
    ASSERT_TRUE(code.has_value()) << "still running";
    EXPECT_EQ(Hex(*code), Hex(0));
}

TEST(EndingTest, WithoutMainFormEndsWithMinusOneAndNoWindow) {
    Process process;
    ASSERT_TRUE(process.Start(ProgramPath(TESSELLUX_E2E_NO_MAIN_FORM)))
        << "error " << process.StartError();
    // Watch every window the process ever shows until it ends on its own (a message loop
    // would wait for input that never comes).
    std::vector<std::string> shown;
    const ULONGLONG deadline = GetTickCount64() + kStartTimeoutMs;
    while (process.IsRunning() && GetTickCount64() < deadline) {
        for (HWND w : TopLevelWindows(process.Id()))
            if (HasVisibleStyle(w))
                shown.push_back(ClassName(w) + " \"" + Text(w) + "\"");
        Sleep(5);
    }
    const std::optional<DWORD> code = process.WaitForExit(0);
    ASSERT_TRUE(code.has_value()) << "still running after " << kStartTimeoutMs << " ms";
    EXPECT_EQ(Hex(*code), Hex(0xFFFFFFFF));
    EXPECT_TRUE(shown.empty()) << "first window shown: " << shown.front();
}

TEST(BackdropEndingTest, ClosingBackdropAloneKeepsInstallerRunning) {
    RunningInstaller installer;
    ASSERT_TRUE(installer.Ok()) << installer.Problem();
    ASSERT_TRUE(PostMessageA(installer.Backdrop(), WM_CLOSE, 0, 0));
    EXPECT_TRUE(PollFor(kActionTimeoutMs, [&] { return !WindowExists(installer.Backdrop()); }))
        << "backdrop still there";
    EXPECT_FALSE(installer.Proc().WaitForExit(kQuietMs).has_value()) << "installer ended";
    EXPECT_TRUE(WindowExists(installer.Main()));
    EXPECT_TRUE(HasVisibleStyle(installer.Main()));
    EXPECT_EQ(installer.CancelAndWait(), std::optional<DWORD>(0));
}

TEST(BackdropEndingTest, BackdropGoesWithMainWindow) {
    RunningInstaller installer;
    ASSERT_TRUE(installer.Ok()) << installer.Problem();
    HWND main = installer.Main();
    HWND backdrop = installer.Backdrop();
    ASSERT_TRUE(PostClick(installer.Item(102)));
    // Watch without pausing: the backdrop must never outlive the main window while the
    // process still runs.
    bool backdropOutlivedMain = false;
    const ULONGLONG deadline = GetTickCount64() + RunningInstaller::kExitTimeoutMs;
    while (installer.Proc().IsRunning() && GetTickCount64() < deadline) {
        const bool backdropThere = WindowExists(backdrop);
        if (!WindowExists(main) && backdropThere && installer.Proc().IsRunning()) {
            backdropOutlivedMain = true;
            break;
        }
    }
    EXPECT_FALSE(backdropOutlivedMain);
    EXPECT_EQ(installer.Proc().WaitForExit(RunningInstaller::kExitTimeoutMs),
              std::optional<DWORD>(0));
    EXPECT_FALSE(WindowExists(backdrop));
}

} // namespace
