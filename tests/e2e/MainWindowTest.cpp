// The main window as the installer shows it: title, items, styles, layout, placement,
// stacking, states, keyboard.
#include "E2E.h"

#include <commctrl.h>

#include <vector>

using namespace e2e;

namespace {

class MainWindowTest : public SharedInstallerTest<kMainWindowTemplate> {
protected:
    static HWND Main() { return installer->Main(); }
    static HWND Item(int id) { return installer->Item(id); }
};

TEST_F(MainWindowTest, Title) {
    EXPECT_EQ(Text(Main()), "Tessellux Installation");
    EXPECT_EQ(ClassName(Main()), "#32770");
}

TEST_F(MainWindowTest, WindowStyleHasCaptionAndSystemMenuOnly) {
    const DWORD style = Style(Main());
    const DWORD wanted = WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    EXPECT_EQ(style & wanted, wanted) << Hex(style);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD), 0u)
        << Hex(style);
    // Exactly what the dialog manager makes of the template, shown.
    EXPECT_EQ(Hex(style), Hex(Style(reference->Get()) | WS_VISIBLE));
}

struct ItemExpectation {
    int id;
    const char* className;
    const char* text; // nullptr: checked elsewhere
    DWORD style;
    bool clientEdge;
};

// Styles as the template gives them, after the set-up: 101 became the default button and
// 106 shows a bitmap.
const ItemExpectation kItems[] = {
    {101, "Button", "&Install", 0x50010001, false},
    {102, "Button", "&Cancel", 0x50010000, false},
    {103, "Edit", nullptr, 0x50001804, false},
    {104, "msctls_progress32", "Progress", 0x50000000, false},
    {105, "Static", "Installation Progress", 0x5000010C, false},
    {106, "Static", "", 0x5000010E, true},
    {107, "RICHEDIT", nullptr, 0x50207844, true},
    {108, "Edit", "Written by Orrinwald\r\nsupport@tessellux.example", 0x50001804, false},
    {109, "Button", "Install desktop icon for Tessellux", 0x50010003, false},
};

TEST_F(MainWindowTest, ItemsClassesTextsAndStyles) {
    for (const ItemExpectation& item : kItems) {
        SCOPED_TRACE("item " + std::to_string(item.id));
        HWND window = Item(item.id);
        ASSERT_NE(window, nullptr);
        EXPECT_STRCASEEQ(ClassName(window).c_str(), item.className);
        EXPECT_EQ(ClassName(window), item.className) << "exact case";
        if (item.text) {
            EXPECT_EQ(Text(window), item.text);
        }
        EXPECT_EQ(Hex(Style(window)), Hex(item.style));
        EXPECT_EQ((ExStyle(window) & WS_EX_CLIENTEDGE) != 0, item.clientEdge)
            << Hex(ExStyle(window));
    }
}

TEST_F(MainWindowTest, NineItemsInTabOrder) {
    std::vector<int> ids;
    for (HWND child = GetWindow(Main(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ids.push_back(GetDlgCtrlID(child));
    EXPECT_EQ(ids, (std::vector<int>{101, 102, 103, 104, 105, 106, 107, 108, 109}));
}

TEST_F(MainWindowTest, ExplanationEndsWithInstallDirectory) {
    const std::string text = Text(Item(103));
    EXPECT_EQ(text.rfind("Clicking \"Install\" will install Tessellux", 0), 0u) << text;
    const std::string tail = "installed to:\r\n\r\n" + WindowsDirectory();
    ASSERT_GE(text.size(), tail.size()) << text;
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << text;
}

TEST_F(MainWindowTest, ReadmeIsLoaded) {
    // A rich edit box of another process: WM_GETTEXT asks the box itself.
    const std::string text = Text(Item(107));
    EXPECT_NE(text.find("Tessellux"), std::string::npos) << "readme text: \"" << text << "\"";
}

TEST_F(MainWindowTest, ClientSizeFromTemplate) {
    const RECT client = ClientRect(Main());
    const RECT expected = reference->Map(0, 0, 315, 292);
    EXPECT_EQ(client, expected);
    EXPECT_EQ(ClientRect(reference->Get()), expected);
}

// Items the set-up does not move sit where the dialog manager put them.
TEST_F(MainWindowTest, UnmovedItemsAtTemplatePositions) {
    for (int id : {101, 102, 104, 107}) {
        SCOPED_TRACE("item " + std::to_string(id));
        EXPECT_EQ(RectInParent(Item(id)), reference->ItemRect(id));
    }
}

// Auto-sized to their text: only the top-left corner is the template's.
TEST_F(MainWindowTest, AutoSizedItemsKeepTopLeft) {
    for (int id : {105, 109}) {
        SCOPED_TRACE("item " + std::to_string(id));
        const RECT actual = RectInParent(Item(id));
        const RECT expected = reference->ItemRect(id);
        EXPECT_EQ(actual.left, expected.left) << Describe(actual);
        EXPECT_EQ(actual.top, expected.top) << Describe(actual);
        EXPECT_GT(actual.right - actual.left, actual.bottom - actual.top) << Describe(actual);
    }
}

TEST_F(MainWindowTest, LayoutAroundPicture) {
    const RECT picture = RectInParent(Item(106));
    const RECT pictureTemplate = reference->ItemRect(106);
    // The bitmap is 152x112; the client edge adds 2 pixels on each side.
    const RECT expectedPicture = {pictureTemplate.left, pictureTemplate.top,
                                  pictureTemplate.left + 156, pictureTemplate.top + 116};
    EXPECT_EQ(picture, expectedPicture);

    const RECT explanation = RectInParent(Item(103));
    const RECT explanationTemplate = reference->ItemRect(103);
    const int explanationLeft = picture.left + 156 + 25;
    const RECT expectedExplanation = {
        explanationLeft, explanationTemplate.top,
        explanationLeft + (explanationTemplate.right - explanationTemplate.left),
        explanationTemplate.bottom};
    EXPECT_EQ(explanation, expectedExplanation);

    const RECT credits = RectInParent(Item(108));
    const RECT creditsTemplate = reference->ItemRect(108);
    const int creditsTop = picture.top + 116 + 10;
    const RECT expectedCredits = {picture.left, creditsTop, picture.left + 166,
                                  creditsTop + (creditsTemplate.bottom - creditsTemplate.top)};
    EXPECT_EQ(credits, expectedCredits);
}

TEST_F(MainWindowTest, CentredOnScreen) {
    const RECT r = WindowRect(Main());
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(r.left, (screenWidth - width) / 2) << Describe(r);
    EXPECT_EQ(r.top, (screenHeight - height) / 2) << Describe(r);
}

TEST_F(MainWindowTest, TopmostAndAboveBackdrop) {
    EXPECT_NE(ExStyle(Main()) & WS_EX_TOPMOST, 0u) << Hex(ExStyle(Main()));
    EXPECT_EQ(ExStyle(installer->Backdrop()) & WS_EX_TOPMOST, 0u)
        << Hex(ExStyle(installer->Backdrop()));
    EXPECT_TRUE(IsAbove(Main(), installer->Backdrop()));
    EXPECT_FALSE(IsAbove(installer->Backdrop(), Main()));
}

TEST_F(MainWindowTest, DesktopIconCheckBoxChecked) {
    EXPECT_EQ(SendOrZero(Item(109), BM_GETCHECK), BST_CHECKED);
}

TEST_F(MainWindowTest, InstallIsTheDefaultButton) {
    EXPECT_EQ(Hex(static_cast<unsigned long>(SendOrZero(Main(), DM_GETDEFID))),
              Hex(MAKELONG(101, DC_HASDEFID)));
    EXPECT_EQ(Style(Item(101)) & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(Style(Item(102)) & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON));
}

TEST_F(MainWindowTest, ProgressBarEmptyFrom0To100) {
    HWND bar = Item(104);
    EXPECT_EQ(SendOrZero(bar, PBM_GETRANGE, TRUE), 0);
    EXPECT_EQ(SendOrZero(bar, PBM_GETRANGE, FALSE), 100);
    EXPECT_EQ(SendOrZero(bar, PBM_GETPOS), 0);
    // Nothing advances it while the window merely stands there.
    Sleep(kQuietMs);
    EXPECT_EQ(SendOrZero(bar, PBM_GETPOS), 0);
}

TEST_F(MainWindowTest, ProgressBarPaintsZeroPercent) {
    const RECT bar = ClientRectOnScreen(Item(104));
    const int middleY = (bar.top + bar.bottom) / 2;
    const int width = bar.right - bar.left;
    const RECT middle = {bar.left + width / 3, bar.top, bar.right - width / 3, bar.bottom};
    // Painting happens in the installer's own time: wait for the text.
    int textPixels = 0;
    PollFor(kActionTimeoutMs, [&] {
        textPixels = ScreenCapture(bar).Count(middle, kDarkBlue);
        return textPixels > 0;
    });
    EXPECT_GT(textPixels, 0) << "no dark blue text in the middle of " << Describe(bar);
    const ScreenCapture shot(bar);
    // 0 %: no completed part at the left edge.
    EXPECT_EQ(shot.Count(RECT{bar.left, bar.top, bar.left + 3, bar.bottom}, kDarkBlue), 0)
        << "left edge " << Describe(shot.At(bar.left, middleY));
    // The text is "  0%" centred: no dark blue in the outer thirds at all.
    EXPECT_EQ(shot.Count(RECT{bar.left, bar.top, bar.left + width / 4, bar.bottom}, kDarkBlue), 0);
    EXPECT_EQ(shot.Count(RECT{bar.right - width / 4, bar.top, bar.right, bar.bottom}, kDarkBlue),
              0);
}

// Keyboard: a fresh installer, as focus changes.
class MainWindowKeysTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(installer.Ok()) << installer.Problem(); }
    void TearDown() override {
        if (installer.Proc().IsRunning()) {
            EXPECT_EQ(installer.CancelAndWait(), std::optional<DWORD>(0));
        }
    }
    HWND Focus() const { return FocusOfThread(installer.Proc().MainThreadId()); }
    int FocusId() const { return Focus() ? GetDlgCtrlID(Focus()) : 0; }

    RunningInstaller installer;
};

TEST_F(MainWindowKeysTest, MainThreadOwnsTheWindow) {
    EXPECT_EQ(WindowThreadId(installer.Main()), installer.Proc().MainThreadId());
}

TEST_F(MainWindowKeysTest, TabVisitsInstallCancelCheckBox) {
    const int initial = PollFor(kActionTimeoutMs, [&] { return FocusId(); });
    EXPECT_EQ(initial, 101) << "focus at start";
    std::vector<int> visited;
    int last = initial;
    for (int press = 0; press < 6; ++press) {
        HWND target = Focus() ? Focus() : installer.Main();
        ASSERT_TRUE(PostKey(target, VK_TAB));
        const int now = PollFor(kActionTimeoutMs, [&] {
            const int id = FocusId();
            return id != last ? id : 0;
        });
        visited.push_back(now);
        last = now ? now : last;
    }
    EXPECT_EQ(visited, (std::vector<int>{102, 109, 101, 102, 109, 101}));
}

TEST_F(MainWindowKeysTest, EnterStartsInstallation) {
    // A Tessellux.scr already in place stops the installation at its first question, before
    // it writes anything: the question shows that Enter reached "&Install".
    const std::string screenSaver = WindowsDirectory() + "\\Tessellux.scr";
    const bool placedHere = !FileExists(screenSaver);
    if (placedHere) {
        UniqueHandle file(CreateFileA(screenSaver.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_NE(file.Get(), INVALID_HANDLE_VALUE) << "error " << GetLastError();
        DWORD written = 0;
        WriteFile(file.Get(), "stand-in", 8, &written, nullptr);
        file.Reset(); // closed before the installer looks at it
    }
    struct RemoveStandIn {
        const std::string& path;
        bool placed;
        ~RemoveStandIn() {
            if (placed)
                DeleteFileA(path.c_str());
        }
    } removeStandIn{screenSaver, placedHere};
    const SystemSnapshot before = SystemSnapshot::Take();

    PollFor(kActionTimeoutMs, [&] { return FocusId() == 101; });
    ASSERT_TRUE(PostKey(Focus() ? Focus() : installer.Main(), VK_RETURN));
    const DWORD process = installer.Proc().Id();
    HWND question = WaitForMessageBox(process, "Duplicate File", kActionTimeoutMs);
    ASSERT_NE(question, nullptr) << "Enter did not start the installation";
    EXPECT_GT(SendOrZero(installer.Item(104), PBM_GETPOS), 0);
    ASSERT_TRUE(PressMessageBoxButton(question, IDCANCEL));
    HWND notice = WaitForMessageBox(process, "Error", kActionTimeoutMs);
    ASSERT_NE(notice, nullptr) << "no notice that the installation stopped";
    ASSERT_TRUE(PressMessageBoxButton(notice, IDOK));
    EXPECT_EQ(installer.Proc().WaitForExit(RunningInstaller::kExitTimeoutMs),
              std::optional<DWORD>(0));
    const SystemSnapshot after = SystemSnapshot::Take();
    EXPECT_TRUE(before == after) << SystemSnapshot::Differences(before, after);
}

} // namespace
