#include "Process.h"

#include <vector>

namespace e2e {

std::string ToWindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/')
        return path;
    std::string result = "Z:" + path;
    for (char& c : result)
        if (c == '/')
            c = '\\';
    return result;
}

std::string InstallerPath() {
#ifdef TESSELLUX_E2E_INSTALLER
    return ToWindowsPath(TESSELLUX_E2E_INSTALLER);
#else
    // Next to the test program.
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self);
    path.erase(path.find_last_of("\\/") + 1);
    return path + "tessellux-setup.exe";
#endif
}

std::string ProgramPath(const char* builtPath) { return ToWindowsPath(builtPath); }

Process::~Process() { Kill(); }

bool Process::Start(const std::string& program, const std::string& arguments,
                    const char* desktop) {
    Kill();
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    std::vector<char> mutableCommandLine(commandLine.begin(), commandLine.end());
    mutableCommandLine.push_back('\0');
    std::vector<char> desktopName;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (desktop) {
        desktopName.assign(desktop, desktop + lstrlenA(desktop) + 1);
        startup.lpDesktop = desktopName.data();
    }
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(program.c_str(), mutableCommandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_SUSPENDED, nullptr, nullptr, &startup, &info)) {
        startError_ = GetLastError();
        return false;
    }
    process_.Reset(info.hProcess);
    thread_.Reset(info.hThread);
    processId_ = info.dwProcessId;
    threadId_ = info.dwThreadId;
    job_.Reset(CreateJobObjectA(nullptr, nullptr));
    if (job_) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (!SetInformationJobObject(job_.Get(), JobObjectExtendedLimitInformation, &limits,
                                     sizeof limits) ||
            !AssignProcessToJobObject(job_.Get(), process_.Get()))
            job_.Reset(); // a safety net only: Kill() still ends the process
    }
    ResumeThread(thread_.Get());
    return true;
}

bool Process::IsRunning() const {
    return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(DWORD timeoutMs) const {
    if (!process_ || WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.Get(), &code))
        return std::nullopt;
    return code;
}

void Process::Kill() {
    if (IsRunning()) {
        TerminateProcess(process_.Get(), 0xDEAD);
        WaitForSingleObject(process_.Get(), 10000);
    }
    thread_.Reset();
    process_.Reset();
    job_.Reset();
}

} // namespace e2e
