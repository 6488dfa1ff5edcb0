#pragma once
// Shared by the programs that run "&Install" to its end: a clean prefix before and after each
// test, sentinels preset where the installer writes, the recording stand-in for the control
// panel, and the checks of a complete installation.
#include "E2E.h"

#include <algorithm>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Preset before each run, so that a write by the installer is seen (no such file exists).
constexpr char kIniSentinel[] = "C:\\e2e-sentinel\\before.scr";
constexpr char kControlPanelCommand[] = "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,@0,1";
constexpr char kFinishedStart[] =
    "Installation is complete!  The installation program will now close";
constexpr char kDuplicateText[] =
    "The file Tessellux.scr already exists (probably from a previous version).  Click OK to "
    "overwrite the existing Tessellux.scr file or cancel to abort the installation.";
constexpr char kAbortText[] = "Error: File already exists.  Aborting installation.";

inline std::string WriteFailedText() {
    return "Error: Could not write " + WindowsDirectory() + "\\Tessellux.scr.  Aborting installation.";
}

inline const std::string& SaverPayload() {
    static const std::string bytes = ReadFileBytes(ProgramPath(TESSELLUX_E2E_SAVER)).value_or("");
    return bytes;
}
inline const std::string& HelpPayload() {
    static const std::string bytes = ReadFileBytes(ProgramPath(TESSELLUX_E2E_HELP)).value_or("");
    return bytes;
}

// "" when equal; otherwise sizes and the first differing offset (never megabytes of bytes).
inline std::string CompareBytes(const std::optional<std::string>& actual, const std::string& expected) {
    if (!actual)
        return "file absent (expected " + std::to_string(expected.size()) + " bytes)";
    if (*actual == expected)
        return {};
    size_t at = 0;
    while (at < actual->size() && at < expected.size() && (*actual)[at] == expected[at])
        ++at;
    return std::to_string(actual->size()) + " bytes, expected " + std::to_string(expected.size()) +
           ", first difference at offset " + std::to_string(at);
}

// The uninstall key as a complete installation into `directory` writes it.
inline RegistryValues ExpectedUninstallValues(const std::string& directory) {
    return {
        {"DisplayName", StringValue("Tessellux Screen Saver")},
        {"UninstallString", StringValue(directory + "\\Tessellux.scr -u")},
        {"DisplayVersion", StringValue("4.7.0")},
        {"VersionMajor", StringValue("4")},
        {"VersionMinor", StringValue("7")},
        {"Publisher", StringValue("Orrinwald")},
        {"InstallLocation", StringValue(directory)},
        {"DisplayIcon", StringValue(directory + "\\Tessellux.scr")},
        {"EstimatedSize", DwordValue(1408)},
    };
}

// Value by value: what is missing, extra or different.
inline std::string RegistryDifferences(const std::optional<RegistryValues>& actual,
                                       const RegistryValues& expected) {
    if (!actual)
        return "key absent";
    std::string text;
    for (const auto& [name, value] : expected) {
        const auto it = actual->find(name);
        if (it == actual->end())
            text += name + ": missing, expected " + Describe(value) + "\n";
        else if (it->second != value)
            text += name + ": " + Describe(it->second) + ", expected " + Describe(value) + "\n";
    }
    for (const auto& [name, value] : *actual)
        if (!expected.count(name))
            text += name + ": unexpected, " + Describe(value) + "\n";
    return text;
}

// What an installation consists of, for comparing two of them.
struct InstallState {
    std::optional<std::string> program;
    std::optional<std::string> help;
    std::optional<RegistryValues> key;
    LinkContents link;
    std::optional<std::string> systemIni;
    std::optional<RegistryValue> screenSaveActive;

    static InstallState Take() {
        InstallState s;
        s.program = ReadFileBytes(ScreenSaverPath());
        s.help = ReadFileBytes(HelpFilePath());
        s.key = ReadKeyValues(HKEY_LOCAL_MACHINE, kUninstallKeyPath, KEY_WOW64_64KEY);
        s.link = ReadLink(LinkPath());
        s.systemIni = ReadSystemIniScreenSaver();
        s.screenSaveActive = ReadValue(HKEY_CURRENT_USER, kDesktopSettingsKey, "ScreenSaveActive");
        return s;
    }

    static std::string Differences(const InstallState& a, const InstallState& b) {
        std::string text;
        if (a.program != b.program)
            text += "program: " + CompareBytes(b.program, a.program.value_or("<absent>")) + "\n";
        if (a.help != b.help)
            text += "help: " + CompareBytes(b.help, a.help.value_or("<absent>")) + "\n";
        if (a.key != b.key)
            text += "key: " + (a.key ? RegistryDifferences(b.key, *a.key) : "appeared") + "\n";
        if (a.link.loaded != b.link.loaded || a.link.target != b.link.target ||
            a.link.iconPath != b.link.iconPath || a.link.iconIndex != b.link.iconIndex)
            text += "link: " + b.link.target + "," + b.link.iconPath + "," +
                    std::to_string(b.link.iconIndex) + " was " + a.link.target + "," +
                    a.link.iconPath + "," + std::to_string(a.link.iconIndex) + "\n";
        if (a.systemIni != b.systemIni)
            text += "SYSTEM.INI: " + b.systemIni.value_or("<absent>") + " was " +
                    a.systemIni.value_or("<absent>") + "\n";
        if (a.screenSaveActive != b.screenSaveActive)
            text += "ScreenSaveActive: " + Describe(b.screenSaveActive) + " was " +
                    Describe(a.screenSaveActive) + "\n";
        return text;
    }
};

inline std::string SystemIniPath() { return WindowsDirectory() + "\\system.ini"; }

class InstallFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ControlPanelRecorder::RestoreLeftover();
        recorder = new ControlPanelRecorder(ProgramPath(TESSELLUX_E2E_RECORDER));
    }
    static void TearDownTestSuite() {
        delete recorder;
        recorder = nullptr;
    }

    void SetUp() override {
        ASSERT_FALSE(SaverPayload().empty()) << TESSELLUX_E2E_SAVER;
        ASSERT_FALSE(HelpPayload().empty()) << TESSELLUX_E2E_HELP;
        ASSERT_TRUE(recorder->Ok()) << recorder->Problem();
        RemoveInstallation();
        // The whole file, so that not even an emptied [boot] section stays behind.
        savedIniFile_ = ReadFileBytes(SystemIniPath());
        // Our sentinel or program in the entry is a leftover of a killed run, not the prefix's.
        const std::optional<std::string> entry = ReadSystemIniScreenSaver();
        leftoverIni_ = entry && (*entry == kIniSentinel ||
                                 Lowered(*entry).rfind(Lowered(WindowsDirectory() + "\\tess"), 0) == 0);
        savedActive_ = ReadValue(HKEY_CURRENT_USER, kDesktopSettingsKey, "ScreenSaveActive");
        savedSelection_ = ReadValue(HKEY_CURRENT_USER, kDesktopSettingsKey, "SCRNSAVE.EXE");
        saved_ = true;
        ASSERT_TRUE(WriteSystemIniScreenSaver(std::string(kIniSentinel)));
        ASSERT_TRUE(WriteValue(HKEY_CURRENT_USER, kDesktopSettingsKey, "ScreenSaveActive",
                               StringValue("0")));
        recorder->Clear();
    }

    void TearDown() override {
        RemoveInstallation();
        if (saved_) {
            if (savedIniFile_)
                WriteFileBytes(SystemIniPath(), *savedIniFile_);
            else
                DeleteFileA(SystemIniPath().c_str());
            if (leftoverIni_)
                WriteSystemIniScreenSaver(std::nullopt);
            WriteValue(HKEY_CURRENT_USER, kDesktopSettingsKey, "ScreenSaveActive", savedActive_);
            WriteValue(HKEY_CURRENT_USER, kDesktopSettingsKey, "SCRNSAVE.EXE", savedSelection_);
        }
        recorder->Clear();
    }

    // Every effect of a complete installation, the link only when `withLink`.
    static void ExpectInstalled(bool withLink) {
        const std::string program = ScreenSaverPath();
        EXPECT_EQ(CompareBytes(ReadFileBytes(program), SaverPayload()), "") << program;
        EXPECT_EQ(CompareBytes(ReadFileBytes(HelpFilePath()), HelpPayload()), "") << HelpFilePath();
        EXPECT_EQ(RegistryDifferences(
                      ReadKeyValues(HKEY_LOCAL_MACHINE, kUninstallKeyPath, KEY_WOW64_64KEY),
                      ExpectedUninstallValues(WindowsDirectory())),
                  "");
        if (withLink) {
            const LinkContents link = ReadLink(LinkPath());
            EXPECT_EQ(Hex(static_cast<unsigned long>(link.loaded)), Hex(S_OK)) << LinkPath();
            EXPECT_EQ(link.target, program);
            EXPECT_EQ(link.iconPath, program);
            EXPECT_EQ(link.iconIndex, 0);
        } else {
            EXPECT_FALSE(FileExists(LinkPath())) << LinkPath();
        }
        const std::string shortPath = ShortPathOf(program);
        EXPECT_FALSE(shortPath.empty()) << "GetShortPathNameA failed, error " << GetLastError();
        EXPECT_EQ(ReadSystemIniScreenSaver(), std::optional<std::string>(shortPath));
        EXPECT_EQ(Describe(ReadValue(HKEY_CURRENT_USER, kDesktopSettingsKey, "ScreenSaveActive")),
                  Describe(StringValue("1")));
    }

    // The control panel as the installer started it: the system's program, exact command line,
    // after the profile write and with the main window out of sight.
    static void ExpectControlPanelStarted(const Record& record, DWORD installerId) {
        EXPECT_EQ(Lowered(record.count("module") ? record.at("module") : ""),
                  Lowered(recorder->SystemProgram()))
            << Describe(record);
        EXPECT_EQ(record.count("command_line") ? record.at("command_line") : "<none>",
                  kControlPanelCommand);
        EXPECT_EQ(record.count("parent_pid") ? record.at("parent_pid") : "<none>",
                  std::to_string(installerId));
        EXPECT_EQ(record.count("startup_flags") ? record.at("startup_flags") : "<none>",
                  std::to_string(STARTF_FORCEONFEEDBACK));
        EXPECT_EQ(record.count("priority_class") ? record.at("priority_class") : "<none>",
                  std::to_string(NORMAL_PRIORITY_CLASS));
        EXPECT_NE(record.count("main_window") ? record.at("main_window") : "visible", "visible");
        EXPECT_EQ(record.count("system_ini") ? record.at("system_ini") : "<none>",
                  ShortPathOf(ScreenSaverPath()));
        EXPECT_EQ(record.count("screen_save_active") ? record.at("screen_save_active") : "<none>",
                  "1");
    }

    // The control panel was not started: nothing of the installer's still ran when it ended,
    // and no record arrived.
    static void ExpectNoControlPanel(const InstallOutcome& run) {
        EXPECT_TRUE(run.childrenAtExit.empty())
            << "process " << run.childrenAtExit.front() << " started";
        const std::vector<Record> records = recorder->Records();
        EXPECT_TRUE(records.empty()) << records.size() << " record(s), first:\n"
                                     << Describe(records.front());
    }

    static ControlPanelRecorder* recorder;

private:
    bool saved_ = false;
    std::optional<std::string> savedIniFile_;
    bool leftoverIni_ = false;
    std::optional<RegistryValue> savedActive_;
    std::optional<RegistryValue> savedSelection_;
};

inline ControlPanelRecorder* InstallFixture::recorder = nullptr;

} // namespace e2e
