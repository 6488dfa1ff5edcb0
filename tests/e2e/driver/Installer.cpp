#include "Installer.h"

#include "Poll.h"

namespace e2e {

RunningInstaller::RunningInstaller(const std::string& arguments, const std::string& program,
                                   const char* desktopName, HDESK desktop) {
    if (!process_.Start(program, arguments, desktopName)) {
        problem_ = "CreateProcess(" + program + ") failed, error " +
                   std::to_string(process_.StartError());
        return;
    }
    main_ = WaitForMainWindow(process_, kStartTimeoutMs, desktop);
    if (!main_) {
        problem_ = "no main window within " + std::to_string(kStartTimeoutMs) + " ms";
        return;
    }
    backdrop_ = WaitForBackdrop(process_, kActionTimeoutMs, desktop);
    if (!backdrop_)
        problem_ = "no backdrop";
}

std::optional<DWORD> RunningInstaller::CancelAndWait(DWORD timeoutMs) {
    if (!PostClick(Item(102)))
        return std::nullopt;
    return process_.WaitForExit(timeoutMs);
}

} // namespace e2e
