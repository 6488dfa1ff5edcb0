// "&Install" run to its end on a clean prefix: what it writes, in which order, and how it starts
// the control panel.
#include "InstallFixture.h"

using namespace e2e;

namespace {

using InstallTest = InstallFixture;

std::string AllBoxes(const InstallOutcome& run) {
    std::string text;
    for (const BoxSeen& box : run.boxes)
        text += "  " + Describe(box) + "\n";
    return text;
}

TEST_F(InstallTest, StandInRunsInsteadOfTheBuiltInProgram) {
    // Every control panel check below rests on this.
    Process direct;
    ASSERT_TRUE(direct.Start(recorder->SystemProgram(), "probe,Argument 1"))
        << "error " << direct.StartError();
    EXPECT_EQ(direct.WaitForExit(kStartTimeoutMs), std::optional<DWORD>(0));
    const std::vector<Record> records = recorder->WaitForRecords(1, kActionTimeoutMs);
    ASSERT_EQ(records.size(), 1u) << "the built-in rundll32 ran, not the stand-in";
    EXPECT_EQ(Lowered(records[0].at("module")), Lowered(recorder->SystemProgram()));
    EXPECT_EQ(records[0].at("command_line"), "\"" + recorder->SystemProgram() + "\" probe,Argument 1");
}

TEST_F(InstallTest, CleanInstallationWritesEverythingThenStartsTheControlPanel) {
    const InstallOutcome run = RunInstall();
    ASSERT_EQ(run.problem, "") << AllBoxes(run);
    EXPECT_TRUE(run.checkBoxBefore) << "the desktop icon check box starts unchecked";
    ASSERT_EQ(run.Titles(), std::vector<std::string>{"Finished"}) << AllBoxes(run);

    // While "Finished" is up: all files and keys are there, nothing after the box is done yet.
    const BoxSeen& finished = run.boxes[0];
    EXPECT_EQ(finished.text.rfind(kFinishedStart, 0), 0u) << finished.text;
    EXPECT_EQ(finished.buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(finished.hasIcon);
    EXPECT_EQ(finished.progress, 100);
    EXPECT_TRUE(finished.mainVisible);
    EXPECT_EQ(finished.systemIni, std::optional<std::string>(kIniSentinel));
    EXPECT_EQ(Describe(finished.screenSaveActive), Describe(StringValue("0")));
    EXPECT_EQ(finished.childProcesses, 0u);
    // After it: hidden before the profile entry is written.
    EXPECT_FALSE(run.iniChangedWhileMainVisible);
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(0));

    ExpectInstalled(true);
    const std::vector<Record> records = recorder->WaitForRecords(1, kStartTimeoutMs);
    ASSERT_EQ(records.size(), 1u) << "no control panel started";
    ExpectControlPanelStarted(records[0], run.processId);
    Sleep(kQuietMs);
    EXPECT_EQ(recorder->Records().size(), 1u) << "started more than once";
}

TEST_F(InstallTest, UncheckedBoxLeavesOutTheLinkAndAnOldHelpFileIsOverwritten) {
    // Longer than the payload and different from it: truncation and contents both show.
    const std::string oldHelp = std::string(HelpPayload().size() + 4096, 'h');
    ASSERT_TRUE(WriteFileBytes(HelpFilePath(), oldHelp));

    InstallOptions options;
    options.uncheckDesktopIcon = true;
    const InstallOutcome run = RunInstall(options);
    ASSERT_EQ(run.problem, "") << AllBoxes(run);
    EXPECT_FALSE(run.checkBoxBefore);
    EXPECT_EQ(run.Titles(), std::vector<std::string>{"Finished"}) << AllBoxes(run);
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(0));

    ExpectInstalled(false);
    const std::vector<Record> records = recorder->WaitForRecords(1, kStartTimeoutMs);
    ASSERT_EQ(records.size(), 1u);
    ExpectControlPanelStarted(records[0], run.processId);
}

TEST_F(InstallTest, RundllBesideTheInstallerIsNotRun) {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "tessellux-e2e-planted";
    const std::string installer = folder + "\\tessellux-setup.exe";
    const std::string planted = folder + "\\rundll32.exe";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(InstallerPath().c_str(), installer.c_str(), FALSE)) << GetLastError();
    ASSERT_TRUE(CopyFileA(ProgramPath(TESSELLUX_E2E_RECORDER).c_str(), planted.c_str(), FALSE))
        << GetLastError();

    InstallOptions options;
    options.program = installer;
    const InstallOutcome run = RunInstall(options);
    EXPECT_EQ(run.problem, "") << AllBoxes(run);
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(0));
    std::vector<Record> records = recorder->WaitForRecords(1, kStartTimeoutMs);
    Sleep(kQuietMs);
    records = recorder->Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(Lowered(records[0].at("module")), Lowered(recorder->SystemProgram()))
        << "planted copy: " << planted;
    EXPECT_EQ(records[0].at("command_line"), kControlPanelCommand);

    PollFor(kActionTimeoutMs, [&] { return DeleteFileA(installer.c_str()) != FALSE; });
    DeleteFileA(planted.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(InstallTest, RunningAgainOverACompleteInstallationGivesTheSameState) {
    const InstallOutcome first = RunInstall();
    ASSERT_EQ(first.problem, "") << AllBoxes(first);
    ASSERT_EQ(first.exitCode, std::optional<DWORD>(0));
    ASSERT_EQ(recorder->WaitForRecords(1, kStartTimeoutMs).size(), 1u);
    const InstallState once = InstallState::Take();

    InstallOptions options;
    options.answers["Duplicate File"] = Answer::Ok;
    const InstallOutcome second = RunInstall(options);
    ASSERT_EQ(second.problem, "") << AllBoxes(second);
    EXPECT_EQ(second.Titles(), (std::vector<std::string>{"Duplicate File", "Finished"}))
        << AllBoxes(second);
    EXPECT_EQ(second.exitCode, std::optional<DWORD>(0));
    ASSERT_EQ(recorder->WaitForRecords(2, kStartTimeoutMs).size(), 2u);
    const InstallState twice = InstallState::Take();

    EXPECT_EQ(InstallState::Differences(once, twice), "");
    ExpectInstalled(true);
}

} // namespace
