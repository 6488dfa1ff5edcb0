// The driver's own pieces that the installer cannot exercise yet: paths and message boxes.
#include "E2E.h"

using namespace e2e;

namespace {

struct PathCase {
    const char* built;
    const char* windows;
};

const PathCase kPaths[] = {
    {"/work/main/build/app/tessellux-setup.exe", "Z:\\work\\main\\build\\app\\tessellux-setup.exe"},
    {"/x", "Z:\\x"},
    {"C:\\windows\\notepad.exe", "C:\\windows\\notepad.exe"},
    {"", ""},
};

TEST(DriverTest, WindowsPaths) {
    for (const PathCase& c : kPaths)
        EXPECT_EQ(ToWindowsPath(c.built), c.windows) << "from \"" << c.built << "\"";
}

TEST(DriverTest, FindsReadsAndAnswersMessageBox) {
    Process probe;
    ASSERT_TRUE(probe.Start(ProgramPath(TESSELLUX_E2E_PROBE),
                            "message-box \"E2E Probe\" \"Is the driver working?\""))
        << "error " << probe.StartError();
    HWND box = WaitForMessageBox(probe.Id(), "E2E Probe", kStartTimeoutMs);
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(MessageBoxText(box), "Is the driver working?");
    EXPECT_EQ(MessageBoxButtons(box), (std::vector<int>{IDYES, IDNO, IDCANCEL}));
    ASSERT_TRUE(PressMessageBoxButton(box, IDNO));
    EXPECT_EQ(probe.WaitForExit(kActionTimeoutMs), std::optional<DWORD>(IDNO));
}

TEST(DriverTest, KillEndsARunningProgram) {
    Process probe;
    ASSERT_TRUE(probe.Start(ProgramPath(TESSELLUX_E2E_PROBE), "message-box Kill me"));
    ASSERT_NE(WaitForMessageBox(probe.Id(), "Kill", kStartTimeoutMs), nullptr);
    const DWORD id = probe.Id();
    HANDLE handle = probe.Handle();
    HANDLE watch = nullptr;
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), handle, GetCurrentProcess(), &watch,
                                SYNCHRONIZE, FALSE, 0));
    UniqueHandle owned(watch);
    probe.Kill();
    EXPECT_EQ(WaitForSingleObject(owned.Get(), 0), WAIT_OBJECT_0) << "process " << id;
}

} // namespace
