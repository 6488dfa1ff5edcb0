#include "Form1.h"
#include "Form2.h"
#include "MainWindow.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string TextOf(HWND window) {
    const int length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, CreateMainWindow());
        form = MainWindowReference->GetHandle();
    }
    void TearDown() override { DestroyMainWindow(); }
    HWND Item(int id) const { return GetDlgItem(form, id); }
    HWND form = nullptr;
};
} // namespace

TEST_F(MainWindowTest, ExplanationEndsWithTheWindowsDirectory) {
    char windows[261];
    GetWindowsDirectoryA(windows, sizeof windows);
    const std::string text = TextOf(Item(IDC_EXPLANATION));
    printf("[%s]\n", text.c_str());
    const std::string tail = std::string(":\r\n\r\n") + windows;
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(tail, text.substr(text.size() - tail.size()));
}

TEST_F(MainWindowTest, CloseRequestDestroysTheWindowAndQuits) {
    PostMessageA(form, WM_CLOSE, 0, 0);
    MSG msg;
    bool quit = false;
    const DWORD deadline = GetTickCount() + 3000;
    while (!quit && GetTickCount() < deadline) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                break;
            }
            DispatchMessageA(&msg);
        }
        Sleep(1);
    }
    printf("iswindow=%d quit=%d\n", IsWindow(form), quit);
    EXPECT_FALSE(IsWindow(form));
    EXPECT_TRUE(quit);
}
