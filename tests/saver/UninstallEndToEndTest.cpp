#include "ComApartment.h"
#include "ComPtr.h"
#include "ProgramUnderTest.h"
#include "RegistryKey.h"
#include <gtest/gtest.h>
#include <shlobj.h>
#include <vector>

namespace {

const char* const kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessellux Screen Saver";
const char* const kNeighbourKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessellux Neighbour Test";
const char* const kSettingsKey = "Software\\Orrinwald\\Tessellux";
const char* const kDesktopKey = "Control Panel\\Desktop";
const char* const kSessionManager = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";

std::string WindowsFolder() {
    char path[MAX_PATH] = "";
    GetWindowsDirectoryA(path, MAX_PATH);
    return path;
}

std::string DesktopFolder() {
    char path[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, path, CSIDL_DESKTOP, TRUE);
    return path;
}

std::string ShortPath(const std::string& path) {
    char buffer[MAX_PATH] = "";
    GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return buffer;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string SystemIniSelection() {
    char value[MAX_PATH] = "";
    GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "<none>", value, MAX_PATH, "SYSTEM.INI");
    return value;
}

std::string DesktopSelection() {
    std::string value = "<none>";
    const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kDesktopKey, KEY_READ);
    if (!key.ReadString("SCRNSAVE.EXE", value))
        value = "<none>";
    return value;
}

std::string Lowered(std::string text) {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// The delayed-delete list, as one lower-case string with NULs turned into '|'.
std::string PendingRenames() {
    std::string value;
    const RegistryKey key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kSessionManager, KEY_READ);
    if (!key.ReadMultiString("PendingFileRenameOperations", value))
        return {};
    for (char& c : value) {
        if (c == '\0')
            c = '|';
    }
    return Lowered(value);
}

// Takes our program's entries out of the delayed-delete list again, leaving any others.
void ForgetPendingDeletes(const std::string& program) {
    const RegistryKey key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kSessionManager, KEY_READ | KEY_WRITE);
    std::string value;
    if (!key.ReadMultiString("PendingFileRenameOperations", value))
        return;
    std::vector<std::string> entries;
    for (size_t at = 0; at < value.size();) {
        const size_t end = value.find('\0', at);
        entries.push_back(value.substr(at, end == std::string::npos ? std::string::npos : end - at));
        at = end == std::string::npos ? value.size() : end + 1;
    }
    std::string kept;
    for (size_t k = 0; k + 1 < entries.size(); k += 2) {  // pairs: source, destination
        if (Lowered(entries[k]).find(Lowered(program)) != std::string::npos)
            continue;
        kept += entries[k] + '\0' + entries[k + 1] + '\0';
    }
    if (kept.empty()) {
        key.DeleteValue("PendingFileRenameOperations");
    } else {
        kept += '\0';
        RegSetValueExA(key.Get(), "PendingFileRenameOperations", 0, REG_MULTI_SZ,
                       reinterpret_cast<const BYTE*>(kept.data()), static_cast<DWORD>(kept.size()));
    }
}

bool MakeLink(const std::string& linkPath, const std::string& target) {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.ReceiveVoid())))
        return false;
    link->SetPath(target.c_str());
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.ReceiveVoid())))
        return false;
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
    return SUCCEEDED(file->Save(wide, TRUE));
}

class UninstallEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = WindowsFolder() + "\\Tessellux.scr";
        help_ = WindowsFolder() + "\\Tessellux.chm";
        link_ = DesktopFolder() + "\\Tessellux.lnk";
        ASSERT_TRUE(CopyFileA(ProgramUnderTest::BuiltSaverPath().c_str(), program_.c_str(), FALSE))
            << "copy to " << program_ << " failed: " << GetLastError();
        shortProgram_ = ShortPath(program_);
        ASSERT_NE(Lowered(shortProgram_), Lowered(program_)) << "no short form to test with";
    }

    void TearDown() override {
        DeleteFileA(link_.c_str());
        DeleteFileA(help_.c_str());
        DeleteFileA(program_.c_str());
        RegistryKey::DeleteTree(HKEY_LOCAL_MACHINE, kUninstallKey);
        RegistryKey::DeleteTree(HKEY_LOCAL_MACHINE, kNeighbourKey);
        RegistryKey::DeleteTree(HKEY_CURRENT_USER, kSettingsKey);
        WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", nullptr, "SYSTEM.INI");
        RegistryKey::Open(HKEY_CURRENT_USER, kDesktopKey, KEY_SET_VALUE).DeleteValue("SCRNSAVE.EXE");
        ForgetPendingDeletes(program_);
    }

    // What the installer leaves, with the screen saver selection given.
    void Install(const std::string& systemIniSelection, const std::string& desktopSelection,
                 const std::string& linkTarget) {
        const RegistryKey uninstall = RegistryKey::Create(HKEY_LOCAL_MACHINE, kUninstallKey);
        ASSERT_TRUE(uninstall.WriteString("DisplayName", "Tessellux Screen Saver"));
        ASSERT_TRUE(uninstall.WriteString("UninstallString", program_ + " -u"));
        ASSERT_TRUE(uninstall.WriteString("DisplayVersion", "4.7.0"));
        const RegistryKey neighbour = RegistryKey::Create(HKEY_LOCAL_MACHINE, kNeighbourKey);
        ASSERT_TRUE(neighbour.WriteString("DisplayName", "Someone else's program"));
        ASSERT_TRUE(MakeLink(link_, linkTarget)) << link_;
        const HANDLE help = CreateFileA(help_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(help, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(help, "ITSF", 4, &written, nullptr);
        CloseHandle(help);
        ASSERT_TRUE(WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", systemIniSelection.c_str(), "SYSTEM.INI"));
        const RegistryKey desktop = RegistryKey::Create(HKEY_CURRENT_USER, kDesktopKey);
        ASSERT_TRUE(desktop.WriteString("SCRNSAVE.EXE", desktopSelection));
        const RegistryKey settings = RegistryKey::Create(HKEY_CURRENT_USER, kSettingsKey);
        ASSERT_TRUE(settings.WriteString("Family", "Penrose"));
        ASSERT_TRUE(settings.WriteDword("Speed", 7));
    }

    // Runs "-u", answers the confirmation with `answer` and the last box with OK; returns what
    // the boxes said.
    std::string RunUninstall(int answer, DWORD expectedExitCode) {
        ProgramUnderTest saver(program_, "-u");
        EXPECT_TRUE(saver.Started());
        std::string said;
        HWND box = saver.FindMessageBox(15000);
        EXPECT_NE(box, nullptr) << "no message box";
        if (!box)
            return said;
        said = ProgramUnderTest::MessageBoxText(box);
        if (GetDlgItem(box, IDYES)) {
            ProgramUnderTest::ClickButton(box, answer);
            if (answer == IDYES) {
                HWND report = saver.FindMessageBox(15000, box);
                EXPECT_NE(report, nullptr) << "no report after Yes";
                if (!report)
                    return said;
                said += "----\n" + ProgramUnderTest::MessageBoxText(report);
                ProgramUnderTest::ClickButton(report, IDOK);
            }
        } else {
            ProgramUnderTest::ClickButton(box, IDOK);
        }
        DWORD exitCode = 99;
        EXPECT_TRUE(saver.WaitForExit(10000, exitCode)) << "the uninstaller did not end";
        EXPECT_EQ(exitCode, expectedExitCode) << said;
        return said;
    }

    std::string program_;
    std::string shortProgram_;
    std::string help_;
    std::string link_;
};

TEST_F(UninstallEndToEnd, RemovesEveryTraceAfterOneYesThenFindsNothing) {
    Install(shortProgram_, program_, program_);
    const std::string said = RunUninstall(IDYES, 0);
    EXPECT_NE(said.find("Remove Tessellux from this computer?"), std::string::npos) << said;
    EXPECT_NE(said.find("has been removed"), std::string::npos) << said;
    EXPECT_NE(said.find("restarts"), std::string::npos) << said;

    EXPECT_FALSE(RegistryKey::Exists(HKEY_LOCAL_MACHINE, kUninstallKey)) << "uninstall key left";
    EXPECT_TRUE(RegistryKey::Exists(HKEY_LOCAL_MACHINE, kNeighbourKey)) << "another program's uninstall key went";
    EXPECT_FALSE(FileExists(link_)) << link_;
    EXPECT_FALSE(FileExists(help_)) << help_;
    EXPECT_EQ(SystemIniSelection(), "<none>");
    EXPECT_EQ(DesktopSelection(), "<none>");
    EXPECT_FALSE(RegistryKey::Exists(HKEY_CURRENT_USER, kSettingsKey)) << "settings left";
    const std::string pending = PendingRenames();
    EXPECT_NE(pending.find(Lowered(program_)), std::string::npos)
        << "the program is not scheduled for deletion; pending: " << pending;

    const std::string again = RunUninstall(IDYES, 1);
    EXPECT_NE(again.find("nothing to remove"), std::string::npos) << again;
}

TEST_F(UninstallEndToEnd, LeavesAnotherScreenSaverSelectedAndAForeignLink) {
    const std::string other = WindowsFolder() + "\\system32\\Other.scr";
    Install(other, other, WindowsFolder() + "\\notepad.exe");
    const std::string said = RunUninstall(IDYES, 0);
    EXPECT_EQ(said.find("desktop link"), std::string::npos) << said;
    EXPECT_FALSE(RegistryKey::Exists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_FALSE(RegistryKey::Exists(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_EQ(Lowered(SystemIniSelection()), Lowered(other));
    EXPECT_EQ(Lowered(DesktopSelection()), Lowered(other));
    EXPECT_TRUE(FileExists(link_)) << "a link to another program was removed";
}

TEST_F(UninstallEndToEnd, NoRemovesNothing) {
    Install(program_, shortProgram_, shortProgram_);
    const std::string said = RunUninstall(IDNO, 2);
    EXPECT_NE(said.find("desktop link"), std::string::npos) << "a link by short path was not recognised: " << said;
    EXPECT_TRUE(RegistryKey::Exists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_TRUE(FileExists(link_));
    EXPECT_TRUE(FileExists(help_));
    EXPECT_EQ(Lowered(SystemIniSelection()), Lowered(program_));
    EXPECT_EQ(Lowered(DesktopSelection()), Lowered(shortProgram_));
    EXPECT_TRUE(RegistryKey::Exists(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_EQ(PendingRenames().find(Lowered(program_)), std::string::npos);
}

} // namespace

int main(int argc, char** argv) {
    const ComApartment com;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
