#include "MainWindowFixture.h"

namespace {
// The close rule asks the current application to quit.
WApplication application;

const char kExplanation[] =
    "Clicking \"Install\" will install Tessellux to your hard disk and  select it as the default "
    "screen saver.  When the installation program is finished, the Display Properties - Screen "
    "Saver window will appear and you can then configure Tessellux settings.  You can also "
    "access Tessellux settings by right-clicking the Tessellux desktop icon (if selected to "
    "install) and selecting \"Configure\" from the pop-up menu.  The screen saver will be "
    "installed to:\r\n\r\n";

std::string WindowsDirectory() {
    char directory[261] = "";
    GetWindowsDirectoryA(directory, sizeof directory);
    return directory;
}

using MainWindowTest = MainWindowFixture;
} // namespace

TEST_F(MainWindowTest, ExplanationEndsWithTheWindowsDirectoryAndTheCaret) {
    const std::string expected = kExplanation + WindowsDirectory();
    EXPECT_EQ(expected, TextOf(Item(IDC_EXPLANATION)));
    EXPECT_STREQ(WindowsDirectory().c_str(), MainWindowReference->GetInstallDirectory().GetText());

    DWORD start = 1, end = 1;
    SendMessageA(Item(IDC_EXPLANATION), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(expected.size(), start);
    EXPECT_EQ(expected.size(), end);
    // The end is in view: the last line is at or above the last visible line.
    const LRESULT lastLine = SendMessageA(Item(IDC_EXPLANATION), EM_GETLINECOUNT, 0, 0) - 1;
    const LRESULT firstVisible = SendMessageA(Item(IDC_EXPLANATION), EM_GETFIRSTVISIBLELINE, 0, 0);
    EXPECT_GE(lastLine, firstVisible);
}

TEST_F(MainWindowTest, CreditLineHasTwoLines) {
    EXPECT_EQ("Written by Orrinwald\r\nsupport@tessellux.example", TextOf(Item(IDC_CREDITS)));
    EXPECT_EQ(2, SendMessageA(Item(IDC_CREDITS), EM_GETLINECOUNT, 0, 0));
}

TEST_F(MainWindowTest, TextBoxesAreLaidOutAroundThePicture) {
    const WRect picture = ChildRect(Item(IDC_PICTURE));
    EXPECT_EQ(156, picture.width) << "bitmap 152 wide plus its edge";
    EXPECT_EQ(116, picture.height) << "bitmap 112 high plus its edge";

    const WRect explanation = ChildRect(Item(IDC_EXPLANATION));
    EXPECT_EQ(picture.left + picture.width + 25, explanation.left) << explanation;

    const WRect credits = ChildRect(Item(IDC_CREDITS));
    EXPECT_EQ(picture.left, credits.left) << credits;
    EXPECT_EQ(picture.top + picture.height + 10, credits.top) << credits;
    EXPECT_EQ(picture.width + 10, credits.width) << credits;
}

TEST_F(MainWindowTest, ReadmeIsStreamedInAsRichText) {
    HWND readme = Item(IDC_README);
    const std::string text = TextOf(readme);
    EXPECT_EQ(0u, text.find("Tessellux 4.7")) << text.substr(0, 80);
    EXPECT_EQ(std::string::npos, text.find("\\rtf")) << "shown as formatted text, not source";
    EXPECT_NE(std::string::npos, text.find("Tessellux.scr -u"));

    // The title line is bold.
    SendMessageA(readme, EM_SETSEL, 0, 5);
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    SendMessageA(readme, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    EXPECT_TRUE(format.dwMask & CFM_BOLD);
    EXPECT_TRUE(format.dwEffects & CFE_BOLD) << std::hex << format.dwEffects;
}

TEST_F(MainWindowTest, StaysAboveTheBackdropAndOrdinaryWindows) {
    EXPECT_TRUE(GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongA(backdrop, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(form));
    EXPECT_TRUE(IsWindowVisible(backdrop));

    // Another ordinary window brought to the top still ends up below the main window.
    HWND other = CreateWindowExA(0, "static", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                 nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, other);
    SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    bool formSeen = false, backdropSeen = false, otherSeen = false;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == form) {
            formSeen = true;
            EXPECT_FALSE(otherSeen) << "an ordinary window is above the main window";
            EXPECT_FALSE(backdropSeen) << "the backdrop is above the main window";
        }
        backdropSeen |= w == backdrop;
        otherSeen |= w == other;
    }
    EXPECT_TRUE(formSeen && backdropSeen && otherSeen);
    DestroyWindow(other);
}

TEST_F(MainWindowTest, BackdropCoversTheScreen) {
    RECT r;
    GetWindowRect(backdrop, &r);
    EXPECT_EQ(0, r.left);
    EXPECT_EQ(0, r.top);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), r.right);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), r.bottom);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(backdrop, IDC_BACKDROP_TITLE)))
        << "the title shows on a screen " << GetSystemMetrics(SM_CXSCREEN) << " wide";
}

TEST_F(MainWindowTest, CloseRequestEndsBothWindowsAndQuits) {
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpMessages(3000)) << "no WM_QUIT";
    EXPECT_FALSE(IsWindow(form));
    EXPECT_FALSE(IsWindow(backdrop));
    EXPECT_FALSE(BackdropReference);
}

TEST_F(MainWindowTest, ClosingTheBackdropAloneKeepsTheInstallerRunning) {
    PostMessageA(backdrop, WM_CLOSE, 0, 0);
    EXPECT_FALSE(PumpMessages(300)) << "closing the backdrop must not quit";
    EXPECT_FALSE(IsWindow(backdrop));
    EXPECT_TRUE(IsWindow(form));
    EXPECT_TRUE(BackdropReference) << "the main window still owns the object";
    EXPECT_EQ(0, CountMessageBoxes());
}

TEST_F(MainWindowTest, DeletingTheMainWindowRemovesTheBackdropAtOnce) {
    DestroyMainWindow();
    EXPECT_FALSE(IsWindow(form));
    EXPECT_FALSE(IsWindow(backdrop)) << "gone without waiting for the posted close request";
    EXPECT_FALSE(MainWindowReference);
}
