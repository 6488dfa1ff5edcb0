// The real installer's installation taken away again by the installed program's "-u": every
// trace goes, another screen saver's selection stays, and a second "-u" finds nothing.
#include "InstallFixture.h"

using namespace e2e;

namespace {

constexpr char kUninstallCaption[] = "Tessellux Uninstall";
constexpr char kSettingsKey[] = "Software\\Orrinwald\\Tessellux";
constexpr char kSessionManager[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
constexpr char kPendingValue[] = "PendingFileRenameOperations";

// REG_MULTI_SZ as its strings (the empty destinations of deletions kept).
std::vector<std::string> PendingRenames() {
    std::vector<std::string> entries;
    const std::optional<RegistryValue> value =
        ReadValue(HKEY_LOCAL_MACHINE, kSessionManager, kPendingValue);
    if (!value)
        return entries;
    std::string data = value->data;
    while (data.size() >= 2 && data[data.size() - 1] == '\0' && data[data.size() - 2] == '\0')
        data.pop_back();
    for (size_t at = 0; at < data.size();) {
        const size_t end = std::min(data.find('\0', at), data.size());
        entries.push_back(data.substr(at, end - at));
        at = end + 1;
    }
    return entries;
}

bool ProgramScheduled(const std::string& program) {
    for (const std::string& entry : PendingRenames())
        if (Lowered(entry).find(Lowered(program)) != std::string::npos)
            return true;
    return false;
}

// Takes the pairs naming `program` out of the list, leaving any others.
void ForgetPendingRenames(const std::string& program) {
    const std::vector<std::string> entries = PendingRenames();
    std::string kept;
    for (size_t k = 0; k + 1 < entries.size(); k += 2)
        if (Lowered(entries[k]).find(Lowered(program)) == std::string::npos)
            kept += entries[k] + '\0' + entries[k + 1] + '\0';
    if (kept.empty()) {
        WriteValue(HKEY_LOCAL_MACHINE, kSessionManager, kPendingValue, std::nullopt);
    } else {
        kept += '\0';
        WriteValue(HKEY_LOCAL_MACHINE, kSessionManager, kPendingValue,
                   RegistryValue{REG_MULTI_SZ, kept});
    }
}

struct UninstallRun {
    std::vector<std::string> texts;
    std::vector<std::vector<int>> buttons;
    std::optional<DWORD> exitCode;
    std::string problem;
};

// "-u" with every box of the caption answered: Yes to the question, OK to the rest.
UninstallRun RunUninstall() {
    UninstallRun run;
    Process saver;
    if (!saver.Start(ScreenSaverPath(), "-u")) {
        run.problem = "start failed, error " + std::to_string(saver.StartError());
        return run;
    }
    HWND previous = nullptr;
    while (saver.IsRunning()) {
        // Stops as soon as the program ends: after its last box it has no more to show.
        HWND box = nullptr;
        PollFor(kStartTimeoutMs, [&] {
            for (HWND w : TopLevelWindows(saver.Id()))
                if (w != previous && ClassName(w) == "#32770" && HasVisibleStyle(w) &&
                    Text(w) == kUninstallCaption)
                    box = w;
            return box != nullptr || !saver.IsRunning();
        });
        if (!box) {
            if (saver.IsRunning())
                run.problem = "running without a box after " + std::to_string(run.texts.size()) +
                              " box(es)";
            break;
        }
        run.texts.push_back(MessageBoxText(box));
        run.buttons.push_back(MessageBoxButtons(box));
        PressMessageBoxButton(box, GetDlgItem(box, IDYES) ? IDYES : IDOK);
        PollFor(kActionTimeoutMs, [&] { return !WindowExists(box); });
        previous = box;
    }
    run.exitCode = saver.WaitForExit(kActionTimeoutMs);
    return run;
}

std::string Joined(const UninstallRun& run) {
    std::string text;
    for (const std::string& t : run.texts)
        text += "[" + t + "] ";
    return text;
}

class InstallUninstallTest : public InstallFixture {
protected:
    void SetUp() override {
        InstallFixture::SetUp();
        if (HasFatalFailure())
            return;
        DeleteKeyTree(HKEY_CURRENT_USER, kSettingsKey);
        ForgetPendingRenames(ScreenSaverPath());
    }
    void TearDown() override {
        DeleteKeyTree(HKEY_CURRENT_USER, kSettingsKey);
        ForgetPendingRenames(ScreenSaverPath());
        InstallFixture::TearDown();
    }

    // The real installer, to its end, with the control panel's stand-in done.
    static void Install() {
        const InstallOutcome run = RunInstall();
        ASSERT_EQ(run.problem, "");
        ASSERT_EQ(run.Titles(), std::vector<std::string>{"Finished"});
        ASSERT_EQ(run.exitCode, std::optional<DWORD>(0));
        ASSERT_EQ(recorder->WaitForRecords(1, kStartTimeoutMs).size(), 1u);
        ASSERT_TRUE(FileExists(LinkPath()));
        ASSERT_TRUE(FileExists(HelpFilePath()));
        ASSERT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKeyPath, KEY_WOW64_64KEY));
        // What the settings dialog and the Display control panel would add.
        ASSERT_TRUE(WriteValue(HKEY_CURRENT_USER, kSettingsKey, "Family", StringValue("Penrose")));
    }
};

TEST_F(InstallUninstallTest, RemovesEveryTraceThenFindsNothing) {
    ASSERT_NO_FATAL_FAILURE(Install());
    const std::string selected = ShortPathOf(ScreenSaverPath());
    ASSERT_EQ(ReadSystemIniScreenSaver(), std::optional<std::string>(selected));
    ASSERT_TRUE(WriteValue(HKEY_CURRENT_USER, kDesktopSettingsKey, "SCRNSAVE.EXE",
                           StringValue(selected)));

    const UninstallRun first = RunUninstall();
    EXPECT_EQ(first.problem, "");
    ASSERT_EQ(first.texts.size(), 2u) << Joined(first);
    EXPECT_NE(first.texts[0].find("Remove Tessellux from this computer?"), std::string::npos)
        << first.texts[0];
    EXPECT_EQ(first.buttons[0], (std::vector<int>{IDYES, IDNO}));
    EXPECT_NE(first.texts[1].find("has been removed"), std::string::npos) << first.texts[1];
    EXPECT_EQ(first.exitCode, std::optional<DWORD>(0)) << Joined(first);

    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKeyPath, KEY_WOW64_64KEY));
    EXPECT_FALSE(FileExists(LinkPath())) << LinkPath();
    EXPECT_FALSE(FileExists(HelpFilePath())) << HelpFilePath();
    EXPECT_EQ(ReadSystemIniScreenSaver(), std::nullopt);
    EXPECT_EQ(Describe(ReadValue(HKEY_CURRENT_USER, kDesktopSettingsKey, "SCRNSAVE.EXE")),
              "<absent>");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_TRUE(ProgramScheduled(ScreenSaverPath()))
        << "not scheduled for deletion; " << PendingRenames().size() << " pending entries";

    const UninstallRun second = RunUninstall();
    EXPECT_EQ(second.problem, "");
    ASSERT_EQ(second.texts.size(), 1u) << Joined(second);
    EXPECT_NE(second.texts[0].find("nothing to remove"), std::string::npos) << second.texts[0];
    EXPECT_EQ(second.exitCode, std::optional<DWORD>(1)) << Joined(second);
}

TEST_F(InstallUninstallTest, LeavesAnotherScreenSaverSelected) {
    ASSERT_NO_FATAL_FAILURE(Install());
    // Chosen by the user after the installation.
    const std::string other = SystemDirectory() + "\\Other.scr";
    ASSERT_TRUE(WriteSystemIniScreenSaver(other));
    ASSERT_TRUE(WriteValue(HKEY_CURRENT_USER, kDesktopSettingsKey, "SCRNSAVE.EXE",
                           StringValue(other)));

    const UninstallRun run = RunUninstall();
    EXPECT_EQ(run.problem, "");
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(0)) << Joined(run);

    EXPECT_EQ(ReadSystemIniScreenSaver(), std::optional<std::string>(other));
    EXPECT_EQ(Describe(ReadValue(HKEY_CURRENT_USER, kDesktopSettingsKey, "SCRNSAVE.EXE")),
              Describe(StringValue(other)));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKeyPath, KEY_WOW64_64KEY));
    EXPECT_FALSE(FileExists(LinkPath()));
    EXPECT_FALSE(FileExists(HelpFilePath()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
}

} // namespace
