// "&Install" when something named Tessellux.scr is already there: the question, each answer to
// it, and a directory of that name that cannot be replaced.
#include "InstallFixture.h"

using namespace e2e;

namespace {

constexpr char kEarlierBytes[] = "MZ an earlier Tessellux.scr\r\n\x1A\0tail";

enum class Earlier { File, Directory };

struct EarlierCase {
    const char* name;
    Earlier earlier;
    Answer answer;
    bool installs;              // the installation goes on to "Finished"
    std::string (*errorText)(); // the "Error" box's text when it does not
};

std::string AbortText() { return kAbortText; }

const EarlierCase kCases[] = {
    {"FileOkReplaces", Earlier::File, Answer::Ok, true, nullptr},
    {"FileCancelAborts", Earlier::File, Answer::Cancel, false, AbortText},
    {"FileQuestionClosedAborts", Earlier::File, Answer::Close, false, AbortText},
    {"DirectoryOkCannotBeWritten", Earlier::Directory, Answer::Ok, false, WriteFailedText},
};

void PrintTo(const EarlierCase& c, std::ostream* os) { *os << c.name; }

class EarlierTest : public InstallFixture, public ::testing::WithParamInterface<EarlierCase> {};

std::string AllBoxes(const InstallOutcome& run) {
    std::string text;
    for (const BoxSeen& box : run.boxes)
        text += "  " + Describe(box) + "\n";
    return text;
}

TEST_P(EarlierTest, QuestionThenOutcome) {
    const EarlierCase& c = GetParam();
    const std::string program = ScreenSaverPath();
    const std::string earlierBytes(kEarlierBytes, sizeof kEarlierBytes - 1);
    if (c.earlier == Earlier::File)
        ASSERT_TRUE(WriteFileBytes(program, earlierBytes)) << program;
    else
        ASSERT_TRUE(CreateDirectoryA(program.c_str(), nullptr)) << GetLastError();
    const SystemSnapshot before = SystemSnapshot::Take();
    const std::vector<std::string> windowsBefore = DirectoryListing(WindowsDirectory());
    const std::vector<std::string> desktopBefore = DirectoryListing(ShellDesktopDirectory());

    InstallOptions options;
    options.answers["Duplicate File"] = c.answer;
    const InstallOutcome run = RunInstall(options);
    ASSERT_EQ(run.problem, "") << AllBoxes(run);
    ASSERT_FALSE(run.boxes.empty());
    const BoxSeen& question = run.boxes[0];
    EXPECT_EQ(question.title, "Duplicate File");
    EXPECT_EQ(question.text, kDuplicateText);
    EXPECT_EQ(question.buttons, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(question.progress, 50);
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(0));

    if (c.installs) {
        EXPECT_EQ(run.Titles(), (std::vector<std::string>{"Duplicate File", "Finished"}))
            << AllBoxes(run);
        ExpectInstalled(true);
        const std::vector<Record> records = recorder->WaitForRecords(1, kStartTimeoutMs);
        ASSERT_EQ(records.size(), 1u);
        ExpectControlPanelStarted(records[0], run.processId);
        return;
    }

    ASSERT_EQ(run.Titles(), (std::vector<std::string>{"Duplicate File", "Error"})) << AllBoxes(run);
    const BoxSeen& error = run.boxes[1];
    EXPECT_EQ(error.text, c.errorText());
    EXPECT_EQ(error.buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(error.hasIcon);
    EXPECT_EQ(error.progress, 50);
    ExpectNoControlPanel(run);

    // Nothing written anywhere, no temporary file left, the earlier one as it was.
    const SystemSnapshot after = SystemSnapshot::Take();
    EXPECT_TRUE(before == after) << SystemSnapshot::Differences(before, after);
    EXPECT_EQ(DirectoryListing(WindowsDirectory()), windowsBefore);
    EXPECT_EQ(DirectoryListing(ShellDesktopDirectory()), desktopBefore);
    EXPECT_EQ(ReadSystemIniScreenSaver(), std::optional<std::string>(kIniSentinel));
    EXPECT_EQ(Describe(ReadValue(HKEY_CURRENT_USER, kDesktopSettingsKey, "ScreenSaveActive")),
              Describe(StringValue("0")));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKeyPath, KEY_WOW64_64KEY));
    EXPECT_FALSE(FileExists(HelpFilePath()));
    EXPECT_FALSE(FileExists(LinkPath()));
    if (c.earlier == Earlier::File)
        EXPECT_EQ(CompareBytes(ReadFileBytes(program), earlierBytes), "");
    else
        EXPECT_TRUE(IsDirectory(program)) << "the directory went";
}

INSTANTIATE_TEST_SUITE_P(Cases, EarlierTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<EarlierCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
