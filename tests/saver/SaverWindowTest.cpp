#include "DibSurface.h"
#include "ProgramUnderTest.h"
#include <gtest/gtest.h>
#include <set>

namespace {

const char* const kSaverClass = "TesselluxSaverWindow";

RECT VirtualScreen() {
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// What is on the screen now, as a DIB.
DibSurface CaptureScreen() {
    const RECT screen = VirtualScreen();
    DibSurface shot(screen.right - screen.left, screen.bottom - screen.top);
    HDC screenDc = GetDC(nullptr);
    BitBlt(shot.Dc(), 0, 0, shot.Width(), shot.Height(), screenDc, screen.left, screen.top, SRCCOPY);
    ReleaseDC(nullptr, screenDc);
    GdiFlush();
    return shot;
}

size_t DistinctColours(const DibSurface& shot) {
    std::set<std::uint32_t> colours;
    const size_t count = static_cast<size_t>(shot.Width()) * static_cast<size_t>(shot.Height());
    for (size_t k = 0; k < count; k += 13)
        colours.insert(shot.Pixels()[k] & 0xFFFFFF);
    return colours.size();
}

bool SamePixels(const DibSurface& a, const DibSurface& b) {
    const size_t count = static_cast<size_t>(a.Width()) * static_cast<size_t>(a.Height());
    return std::equal(a.Pixels(), a.Pixels() + count, b.Pixels());
}

TEST(SaverWindow, FullScreenCoversTheScreenAnimatesAndEndsOnAKey) {
    ProgramUnderTest saver(ProgramUnderTest::BuiltSaverPath(), "/s");
    ASSERT_TRUE(saver.Started()) << ProgramUnderTest::BuiltSaverPath();
    const HWND window = saver.FindWindowOfClass(kSaverClass, 15000);
    ASSERT_NE(window, nullptr) << "no saver window appeared";

    RECT rect;
    GetWindowRect(window, &rect);
    const RECT screen = VirtualScreen();
    EXPECT_EQ(rect.left, screen.left);
    EXPECT_EQ(rect.top, screen.top);
    EXPECT_EQ(rect.right, screen.right);
    EXPECT_EQ(rect.bottom, screen.bottom);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) << "not topmost";

    Sleep(1500);
    const DibSurface first = CaptureScreen();
    Sleep(400);
    const DibSurface second = CaptureScreen();
    EXPECT_GT(DistinctColours(first), 200u) << "the screen is (nearly) uniform";
    EXPECT_FALSE(SamePixels(first, second)) << "the picture does not move";

    PostMessageA(window, WM_KEYDOWN, VK_SPACE, 0x00390001);
    DWORD exitCode = 99;
    ASSERT_TRUE(saver.WaitForExit(5000, exitCode)) << "a key press did not end the saver";
    EXPECT_EQ(exitCode, 0u);
}

TEST(SaverWindow, FullScreenIgnoresJitterButEndsOnARealMove) {
    ProgramUnderTest saver(ProgramUnderTest::BuiltSaverPath(), "/S");
    ASSERT_TRUE(saver.Started());
    const HWND window = saver.FindWindowOfClass(kSaverClass, 15000);
    ASSERT_NE(window, nullptr);
    Sleep(300);
    DWORD exitCode = 99;
    // Windows may have sent a move to where the pointer rests; ours start from there too.
    POINT anchor;
    GetCursorPos(&anchor);
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(anchor.x, anchor.y));
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(anchor.x + 3, anchor.y - 2));
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(anchor.x - 4, anchor.y + 5));
    EXPECT_FALSE(saver.WaitForExit(700, exitCode)) << "ended on jitter or on the first move";
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(anchor.x + 150, anchor.y + 90));
    EXPECT_TRUE(saver.WaitForExit(5000, exitCode)) << "a real mouse move did not end the saver";
}

TEST(SaverWindow, PreviewLivesInItsParentAndEndsWithIt) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SaverPreviewTestParent";
    RegisterClassA(&windowClass);
    HWND parent = CreateWindowA("SaverPreviewTestParent", "preview parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                20, 20, 200, 160, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(parent, nullptr);
    ProgramUnderTest saver(ProgramUnderTest::BuiltSaverPath(),
                           "/p " + std::to_string(reinterpret_cast<std::uintptr_t>(parent)));
    ASSERT_TRUE(saver.Started());

    HWND child = nullptr;
    for (int tries = 0; tries < 200 && !child; ++tries) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        child = FindWindowExA(parent, nullptr, kSaverClass, nullptr);
        Sleep(50);
    }
    ASSERT_NE(child, nullptr) << "no preview inside the parent";
    RECT parentClient, childRect;
    GetClientRect(parent, &parentClient);
    GetClientRect(child, &childRect);
    EXPECT_EQ(childRect.right, parentClient.right);
    EXPECT_EQ(childRect.bottom, parentClient.bottom);

    DestroyWindow(parent);
    DWORD exitCode = 99;
    EXPECT_TRUE(saver.WaitForExit(5000, exitCode)) << "the preview outlived its parent";
}

TEST(SaverWindow, UnknownArgumentsExplainWhatIsAccepted) {
    ProgramUnderTest saver(ProgramUnderTest::BuiltSaverPath(), "/bogus");
    ASSERT_TRUE(saver.Started());
    const HWND box = saver.FindMessageBox(10000);
    ASSERT_NE(box, nullptr) << "no message box";
    const std::string text = ProgramUnderTest::MessageBoxText(box);
    EXPECT_NE(text.find("/s"), std::string::npos) << text;
    EXPECT_NE(text.find("/p"), std::string::npos) << text;
    EXPECT_NE(text.find("-u"), std::string::npos) << text;
    ProgramUnderTest::ClickButton(box, IDOK);
    DWORD exitCode = 99;
    ASSERT_TRUE(saver.WaitForExit(5000, exitCode));
    EXPECT_EQ(exitCode, 2u);
}

TEST(SaverWindow, SettingsDialogShowsCurrentSettingsAndCancelKeepsThem) {
    ProgramUnderTest saver(ProgramUnderTest::BuiltSaverPath(), "/c");
    ASSERT_TRUE(saver.Started());
    const HWND dialog = saver.FindMessageBox(15000);  // a dialog has the same class
    ASSERT_NE(dialog, nullptr) << "no settings dialog";
    char caption[64] = "";
    SendMessageA(dialog, WM_GETTEXT, sizeof caption, reinterpret_cast<LPARAM>(caption));
    EXPECT_STREQ(caption, "Tessellux Settings");
    EXPECT_NE(FindWindowExA(dialog, nullptr, kSaverClass, nullptr), nullptr) << "no live preview";
    ProgramUnderTest::ClickButton(dialog, IDCANCEL);
    DWORD exitCode = 99;
    ASSERT_TRUE(saver.WaitForExit(5000, exitCode)) << "Cancel did not close the dialog";
}

} // namespace
