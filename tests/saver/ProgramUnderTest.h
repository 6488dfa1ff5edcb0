#pragma once
#include <string>
#include <windows.h>

// Tessellux.scr started by a test, with ways to find and answer its windows. A program still
// running when this goes is terminated, so a failed test leaves nothing behind.
class ProgramUnderTest {
public:
    // The built Tessellux.scr, as a Windows path.
    static std::string BuiltSaverPath();

    ProgramUnderTest(const std::string& program, const std::string& arguments);
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;
    ~ProgramUnderTest();

    bool Started() const { return process_ != nullptr; }
    // True when the program ended within the time; exitCode is then set.
    bool WaitForExit(DWORD milliseconds, DWORD& exitCode) const;
    bool IsRunning() const;

    // Polls for a visible top-level window of the program with this class, other than `not`.
    HWND FindWindowOfClass(const char* className, DWORD milliseconds, HWND not_ = nullptr) const;
    HWND FindMessageBox(DWORD milliseconds, HWND not_ = nullptr) const {
        return FindWindowOfClass("#32770", milliseconds, not_);
    }

    // The texts of a message box's static controls, joined by new lines.
    static std::string MessageBoxText(HWND box);
    // Posts the click, so the test does not wait for what the click starts.
    static void ClickButton(HWND box, int id);

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};
