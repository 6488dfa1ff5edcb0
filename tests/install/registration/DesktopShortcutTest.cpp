// Form1::CreateDesktopShortcut: the link it leaves on the desktop, read back through the shell,
// and the calling thread's COM state.
#include "Form1.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <thread>

namespace {

constexpr char kLinkName[] = "Tessellux Test Link.lnk";
// Every file a test here may leave on the desktop starts so; the fixture removes them.
constexpr char kLinkPrefix[] = "Tessellux Test";

std::wstring Wide(const std::string& text) {
    wchar_t wide[MAX_PATH * 4]{};
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, MAX_PATH * 4);
    return wide;
}

struct FindTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { FindClose(h); }
};

std::set<std::string> ListFolder(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found{};
    const WUniqueHandle<FindTraits> search(FindFirstFileA((folder + "\\*").c_str(), &found));
    if (!search)
        return names;
    do
        names.insert(found.cFileName);
    while (FindNextFileA(search.Get(), &found));
    return names;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    const WFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << path;
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file.Get(), bytes.data(), bytes.size(), &written, nullptr));
    ASSERT_EQ(bytes.size(), written);
}

std::string ReadWholeFile(const std::string& path) {
    const WFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return {};
    char bytes[4096];
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes, sizeof bytes, &read, nullptr))
        return {};
    return std::string(bytes, read);
}

// What the shell reads from a link file. Outputs start as sentinels, so that an output the
// shell did not write shows.
struct LinkContents {
    HRESULT load = E_UNEXPECTED;
    std::string path = "(untouched)";
    std::string iconPath = "(untouched)";
    int iconIndex = -7;
    std::string arguments = "(untouched)";
    std::string description = "(untouched)";
    std::string workingDirectory = "(untouched)";
    WORD hotkey = 0xBEEF;
    // From the file's header: Wine 8's loader does not hand the show command back.
    DWORD headerShowCommand = 0xBEEF;
    WORD headerHotkey = 0xBEEF;
};

// The fixed header of a link file: its size (0x4C) first, the show command at 0x3C, the hot
// key at 0x40.
void ReadLinkHeader(const std::string& linkPath, LinkContents& contents) {
    const std::string bytes = ReadWholeFile(linkPath);
    DWORD headerSize = 0;
    if (bytes.size() >= sizeof headerSize)
        std::memcpy(&headerSize, bytes.data(), sizeof headerSize);
    if (headerSize != 0x4C || bytes.size() < 0x4C)
        return;
    std::memcpy(&contents.headerShowCommand, bytes.data() + 0x3C, sizeof(DWORD));
    std::memcpy(&contents.headerHotkey, bytes.data() + 0x40, sizeof(WORD));
}

LinkContents ReadLink(const std::string& linkPath) {
    LinkContents contents;
    const WComInitialization com;
    WComPtr<IShellLinkA> link;
    WComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.PutVoid())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid())))
        return contents;
    contents.load = file->Load(Wide(linkPath).c_str(), STGM_READ);
    if (FAILED(contents.load))
        return contents;

    char text[INFOTIPSIZE] = "(untouched)";
    if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH)))
        contents.path = text;
    std::strcpy(text, "(untouched)");
    if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &contents.iconIndex)))
        contents.iconPath = text;
    std::strcpy(text, "(untouched)");
    if (SUCCEEDED(link->GetArguments(text, INFOTIPSIZE)))
        contents.arguments = text;
    std::strcpy(text, "(untouched)");
    if (SUCCEEDED(link->GetDescription(text, INFOTIPSIZE)))
        contents.description = text;
    std::strcpy(text, "(untouched)");
    if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH)))
        contents.workingDirectory = text;
    link->GetHotkey(&contents.hotkey);
    ReadLinkHeader(linkPath, contents);
    return contents;
}

// A link with everything set that CreateDesktopShortcut leaves at its default.
void WriteBusyLink(const std::string& linkPath, const std::string& target) {
    const WComInitialization com;
    WComPtr<IShellLinkA> link;
    WComPtr<IPersistFile> file;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                              IID_IShellLinkA, link.PutVoid()));
    ASSERT_HRESULT_SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.PutVoid()));
    ASSERT_HRESULT_SUCCEEDED(link->SetPath(target.c_str()));
    ASSERT_HRESULT_SUCCEEDED(link->SetArguments("-old"));
    ASSERT_HRESULT_SUCCEEDED(link->SetDescription("an older link"));
    ASSERT_HRESULT_SUCCEEDED(link->SetWorkingDirectory("C:\\"));
    ASSERT_HRESULT_SUCCEEDED(link->SetIconLocation(target.c_str(), 3));
    ASSERT_HRESULT_SUCCEEDED(link->SetShowCmd(SW_SHOWMAXIMIZED));
    ASSERT_HRESULT_SUCCEEDED(link->SetHotkey(MAKEWORD('T', HOTKEYF_CONTROL | HOTKEYF_ALT)));
    ASSERT_HRESULT_SUCCEEDED(file->Save(Wide(linkPath).c_str(), TRUE));
}

void RunOnNewThread(const std::function<void()>& work) {
    std::thread(work).join();
}

class DesktopShortcutTest : public testing::Test {
protected:
    void SetUp() override {
        char desktop[MAX_PATH] = "";
        ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOP, FALSE));
        desktop_ = desktop;
        RemoveTestFiles();
        desktopBefore_ = ListFolder(desktop_);

        char temp[MAX_PATH] = "";
        ASSERT_NE(0u, GetTempPathA(MAX_PATH, temp));
        // A space in the name: the link stores it as it is, unquoted.
        screenSaver_ = std::string(temp) + "Tessellux Test Saver.scr";
        otherFile_ = std::string(temp) + "Tessellux Test Other.scr";
        WriteWholeFile(screenSaver_, "screen saver");
        WriteWholeFile(otherFile_, "another program");
        form_.SetScreenSaverPath(screenSaver_.c_str());
    }
    void TearDown() override {
        RemoveTestFiles();
        DeleteFileA(screenSaver_.c_str());
        DeleteFileA(otherFile_.c_str());
    }

    std::string LinkPath(const std::string& name) const { return desktop_ + "\\" + name; }

    void RemoveTestFiles() const {
        for (const std::string& name : ListFolder(desktop_))
            if (name.compare(0, sizeof kLinkPrefix - 1, kLinkPrefix) == 0)
                DeleteFileA(LinkPath(name).c_str());
    }

    void ExpectPlainLinkToScreenSaver(const std::string& linkPath) const {
        const LinkContents link = ReadLink(linkPath);
        ASSERT_HRESULT_SUCCEEDED(link.load) << linkPath;
        EXPECT_EQ(screenSaver_, link.path);
        EXPECT_EQ(screenSaver_, link.iconPath);
        EXPECT_EQ(0, link.iconIndex);
        EXPECT_EQ("", link.arguments);
        EXPECT_EQ("", link.description);
        EXPECT_EQ("", link.workingDirectory);
        EXPECT_EQ(0, link.hotkey);
        EXPECT_EQ(static_cast<DWORD>(SW_SHOWNORMAL), link.headerShowCommand);
        EXPECT_EQ(0, link.headerHotkey);
    }

    Form1 form_;
    std::string desktop_;
    std::set<std::string> desktopBefore_;
    std::string screenSaver_;
    std::string otherFile_;
};

TEST_F(DesktopShortcutTest, WritesAPlainLinkToTheScreenSaverWithItsIcon) {
    form_.CreateDesktopShortcut(screenSaver_.c_str(), kLinkName);

    ExpectPlainLinkToScreenSaver(LinkPath(kLinkName));
    std::set<std::string> expected = desktopBefore_;
    expected.insert(kLinkName);
    EXPECT_EQ(expected, ListFolder(desktop_));
}

TEST_F(DesktopShortcutTest, TheIconIsTheWindowsScreenSaverPathNotTheTarget) {
    form_.CreateDesktopShortcut(otherFile_.c_str(), kLinkName);

    const LinkContents link = ReadLink(LinkPath(kLinkName));
    ASSERT_HRESULT_SUCCEEDED(link.load);
    EXPECT_EQ(otherFile_, link.path);
    EXPECT_EQ(screenSaver_, link.iconPath);
    EXPECT_EQ(0, link.iconIndex);
}

TEST_F(DesktopShortcutTest, ReplacesAFileOfTheSameName) {
    const std::string junk = "not a link at all, just bytes";
    WriteWholeFile(LinkPath(kLinkName), junk);
    ASSERT_EQ(junk, ReadWholeFile(LinkPath(kLinkName)));

    form_.CreateDesktopShortcut(screenSaver_.c_str(), kLinkName);

    ExpectPlainLinkToScreenSaver(LinkPath(kLinkName));
}

TEST_F(DesktopShortcutTest, ReplacesAnotherLinkOfTheSameName) {
    WriteBusyLink(LinkPath(kLinkName), otherFile_);
    const LinkContents before = ReadLink(LinkPath(kLinkName));
    ASSERT_EQ("an older link", before.description);
    ASSERT_EQ("-old", before.arguments);
    ASSERT_EQ("C:\\", before.workingDirectory);
    ASSERT_EQ(3, before.iconIndex);
    ASSERT_EQ(MAKEWORD('T', HOTKEYF_CONTROL | HOTKEYF_ALT), before.hotkey);
    ASSERT_EQ(static_cast<DWORD>(SW_SHOWMAXIMIZED), before.headerShowCommand);
    ASSERT_EQ(MAKEWORD('T', HOTKEYF_CONTROL | HOTKEYF_ALT), before.headerHotkey);

    form_.CreateDesktopShortcut(screenSaver_.c_str(), kLinkName);

    ExpectPlainLinkToScreenSaver(LinkPath(kLinkName));
}

TEST_F(DesktopShortcutTest, ALinkPathOfMaxPathMinusOneCharactersIsWritten) {
    const std::size_t nameLength = MAX_PATH - 1 - desktop_.size() - 1;
    const std::string name =
        kLinkPrefix + std::string(nameLength - (sizeof kLinkPrefix - 1) - 4, 'n') + ".lnk";
    ASSERT_EQ(static_cast<std::size_t>(MAX_PATH - 1), LinkPath(name).size());

    form_.CreateDesktopShortcut(screenSaver_.c_str(), name.c_str());

    ExpectPlainLinkToScreenSaver(LinkPath(name));
}

TEST_F(DesktopShortcutTest, ALinkPathLongerThanMaxPathMinusOneWritesNothing) {
    const std::size_t oneTooMany = MAX_PATH - desktop_.size() - 1;
    for (const std::size_t nameLength : {oneTooMany, oneTooMany + 1, std::size_t{2000}}) {
        SCOPED_TRACE(nameLength);
        const std::string name =
            kLinkPrefix + std::string(nameLength - (sizeof kLinkPrefix - 1) - 4, 'n') + ".lnk";
        ASSERT_EQ(nameLength, name.size());

        form_.CreateDesktopShortcut(screenSaver_.c_str(), name.c_str());

        EXPECT_EQ(desktopBefore_, ListFolder(desktop_));
    }
}

// CoInitialize returns S_OK only on a thread with no COM initialisation left, S_FALSE on one
// that still has one: that tells how many CoUninitialize calls the operation made.
TEST_F(DesktopShortcutTest, AThreadWithoutComIsLeftWithout) {
    HRESULT afterwards = E_UNEXPECTED;
    RunOnNewThread([&] {
        form_.CreateDesktopShortcut(screenSaver_.c_str(), kLinkName);
        afterwards = CoInitialize(nullptr);
        if (SUCCEEDED(afterwards))
            CoUninitialize();
    });
    EXPECT_EQ(S_OK, afterwards);
    ExpectPlainLinkToScreenSaver(LinkPath(kLinkName));
}

TEST_F(DesktopShortcutTest, AThreadWithComKeepsItsInitialisation) {
    HRESULT before = E_UNEXPECTED;
    HRESULT stillThere = E_UNEXPECTED;
    HRESULT afterOwnUninitialize = E_UNEXPECTED;
    RunOnNewThread([&] {
        before = CoInitialize(nullptr);
        form_.CreateDesktopShortcut(screenSaver_.c_str(), kLinkName);
        stillThere = CoInitialize(nullptr);
        CoUninitialize();
        CoUninitialize();
        afterOwnUninitialize = CoInitialize(nullptr);
        if (SUCCEEDED(afterOwnUninitialize))
            CoUninitialize();
    });
    EXPECT_EQ(S_OK, before);
    EXPECT_EQ(S_FALSE, stillThere);
    EXPECT_EQ(S_OK, afterOwnUninitialize);
    ExpectPlainLinkToScreenSaver(LinkPath(kLinkName));
}

// In a multithreaded apartment CoInitialize fails (RPC_E_CHANGED_MODE): that failure must not
// be paired with a CoUninitialize, which would end the caller's apartment.
TEST_F(DesktopShortcutTest, AMultithreadedApartmentIsLeftAsItWas) {
    HRESULT before = E_UNEXPECTED;
    HRESULT stillThere = E_UNEXPECTED;
    HRESULT afterOwnUninitialize = E_UNEXPECTED;
    RunOnNewThread([&] {
        before = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        form_.CreateDesktopShortcut(screenSaver_.c_str(), kLinkName);
        stillThere = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        CoUninitialize();
        CoUninitialize();
        afterOwnUninitialize = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(afterOwnUninitialize))
            CoUninitialize();
    });
    EXPECT_EQ(S_OK, before);
    EXPECT_EQ(S_FALSE, stillThere);
    EXPECT_EQ(S_OK, afterOwnUninitialize);
}

} // namespace
