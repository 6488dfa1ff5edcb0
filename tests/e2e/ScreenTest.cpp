// The backdrop's title is left out on a screen exactly 640 pixels wide. Runs in a session of
// its own whose X screen is 640x480; other widths are Wine virtual desktops, which leave
// their size behind for later programs of the session (hence the session of its own).
#include "E2E.h"

using namespace e2e;

namespace {

struct Screen {
    int width;
    int height;
};

Screen OwnScreen() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

// What a program started on `desktopName` sees as the screen width.
std::optional<DWORD> ProbeScreenWidth(const char* desktopName) {
    Process probe;
    if (!probe.Start(ProgramPath(TESSELLUX_E2E_PROBE), "screen-width", desktopName))
        return std::nullopt;
    return probe.WaitForExit(kStartTimeoutMs);
}

// Runs first: before any virtual desktop has changed what the session reports.
TEST(ScreenTest, Screen640WideHidesTitle) {
    ASSERT_EQ(OwnScreen().width, 640) << "this program must run in the 640x480 session";
    ASSERT_EQ(ProbeScreenWidth(nullptr), std::optional<DWORD>(640));

    RunningInstaller installer;
    ASSERT_TRUE(installer.Ok()) << installer.Problem();
    EXPECT_EQ(WindowRect(installer.Backdrop()), (RECT{0, 0, 640, 480}));
    HWND title = GetDlgItem(installer.Backdrop(), 101);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(Text(title), kBackdropTitle);
    EXPECT_FALSE(HasVisibleStyle(title)) << Hex(Style(title));

    // Where the title would be (left of the main window, which covers the rest): only the
    // backdrop's blue.
    const RECT label = ClientRectOnScreen(title);
    const RECT where = {label.left, label.top, WindowRect(installer.Main()).left, label.bottom};
    ASSERT_GT(where.right - where.left, 20) << Describe(where);
    int blue = 0;
    PollFor(kActionTimeoutMs, [&] { return (blue = ScreenCapture(where).Count(where, kDarkBlue)) > 0; });
    const ScreenCapture shot(where);
    EXPECT_EQ(shot.CountOther(where, kDarkBlue), 0) << Describe(where);
    EXPECT_GT(blue, 0) << Describe(where);

    // The main window still fits, centred.
    const RECT main = WindowRect(installer.Main());
    EXPECT_EQ(main.left, (640 - (main.right - main.left)) / 2) << Describe(main);
    EXPECT_EQ(main.top, (480 - (main.bottom - main.top)) / 2) << Describe(main);
    EXPECT_EQ(installer.CancelAndWait(), std::optional<DWORD>(0));
}

struct DesktopCase {
    int width;
    int height;
    bool titleShown;
};

class VirtualDesktopTest : public ::testing::TestWithParam<DesktopCase> {};

TEST_P(VirtualDesktopTest, TitleShownUnlessScreenIs640Wide) {
    const DesktopCase& c = GetParam();
    const VirtualDesktop desktop("tessellux-e2e-" + std::to_string(c.width), c.width, c.height);
    ASSERT_TRUE(desktop.Ok()) << "CreateDesktop error " << GetLastError();

    RunningInstaller installer({}, InstallerPath(), desktop.Name().c_str(), desktop.Get());
    ASSERT_TRUE(installer.Ok()) << installer.Problem();
    // Probed while the installer keeps the desktop up: Wine closes a virtual desktop whose
    // last program has ended, and a later program then cannot make windows on it.
    EXPECT_EQ(ProbeScreenWidth(desktop.Name().c_str()), std::optional<DWORD>(c.width));
    EXPECT_EQ(WindowRect(installer.Backdrop()), (RECT{0, 0, c.width, c.height}));
    HWND title = GetDlgItem(installer.Backdrop(), 101);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(HasVisibleStyle(title), c.titleShown) << Hex(Style(title));
    EXPECT_EQ(installer.CancelAndWait(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(Widths, VirtualDesktopTest,
                         ::testing::Values(DesktopCase{641, 480, true}, DesktopCase{800, 600, true},
                                           DesktopCase{640, 480, false},
                                           DesktopCase{1024, 768, true}),
                         [](const ::testing::TestParamInfo<DesktopCase>& info) {
                             return "Width" + std::to_string(info.param.width);
                         });

} // namespace
