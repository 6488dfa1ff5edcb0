#pragma once
// A running installer with its two windows found: the usual starting point of a test.
#include "Process.h"
#include "Windows.h"

#include <string>

namespace e2e {

class RunningInstaller {
public:
    // Starts `program` (the installer by default) and waits for the main window and the
    // backdrop. Ok() is false when either did not come up in time; Problem() says what.
    explicit RunningInstaller(const std::string& arguments = {},
                              const std::string& program = InstallerPath(),
                              const char* desktopName = nullptr, HDESK desktop = nullptr);

    bool Ok() const { return main_ && backdrop_; }
    const std::string& Problem() const { return problem_; }
    Process& Proc() { return process_; }
    const Process& Proc() const { return process_; }
    HWND Main() const { return main_; }
    HWND Backdrop() const { return backdrop_; }
    HWND Item(int id) const { return GetDlgItem(main_, id); }

    // Posts "&Cancel" and waits for the exit code.
    std::optional<DWORD> CancelAndWait(DWORD timeoutMs = kExitTimeoutMs);

    static constexpr DWORD kExitTimeoutMs = 10000;

private:
    Process process_;
    HWND main_ = nullptr;
    HWND backdrop_ = nullptr;
    std::string problem_;
};

} // namespace e2e
