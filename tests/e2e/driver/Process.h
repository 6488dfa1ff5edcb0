#pragma once
// Starting the installer (or a variant) and ending it: a started process is always gone again
// when its owner is destroyed, so no test leaves an installer running.
#include "Handles.h"

#include <optional>
#include <string>

namespace e2e {

// "/work/x/y.exe" -> "Z:\work\x\y.exe" (Wine maps Z: to /); Windows paths pass unchanged.
std::string ToWindowsPath(const std::string& path);

// The installer built next to the tests: TESSELLUX_E2E_INSTALLER, as a Windows path.
std::string InstallerPath();
// A test variant of the installer or a helper program, by its path as the build gave it.
std::string ProgramPath(const char* builtPath);

class Process {
public:
    Process() = default;
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    Process(Process&&) = default;
    Process& operator=(Process&&) = default;

    // Starts `program` with `arguments` (appended to the quoted program path) on `desktop`
    // (nullptr: the driver's own desktop). Reports failure with the Windows error code.
    [[nodiscard]] bool Start(const std::string& program, const std::string& arguments = {},
                             const char* desktop = nullptr);

    DWORD Id() const { return processId_; }
    DWORD MainThreadId() const { return threadId_; }
    HANDLE Handle() const { return process_.Get(); }
    DWORD StartError() const { return startError_; }

    bool IsRunning() const;
    // The exit code once the process has ended within `timeoutMs`; nothing otherwise.
    [[nodiscard]] std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;
    // Ends the process if it still runs and waits until it has gone.
    void Kill();

private:
    UniqueHandle process_;
    UniqueHandle thread_;
    // Kill-on-close: the process goes even if the test program itself dies.
    UniqueHandle job_;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
    DWORD startError_ = 0;
};

} // namespace e2e
