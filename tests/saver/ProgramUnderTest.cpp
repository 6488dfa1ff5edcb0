#include "ProgramUnderTest.h"
#include <vector>

std::string ProgramUnderTest::BuiltSaverPath() {
    // Wine maps the host's root to drive Z:.
    std::string path = std::string("Z:") + TESSELLUX_SCR_PATH;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

ProgramUnderTest::ProgramUnderTest(const std::string& program, const std::string& arguments) {
    std::string commandLine = "\"" + program + "\" " + arguments;
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        processId_ = info.dwProcessId;
    }
}

ProgramUnderTest::~ProgramUnderTest() {
    if (!process_)
        return;
    if (IsRunning()) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

bool ProgramUnderTest::WaitForExit(DWORD milliseconds, DWORD& exitCode) const {
    if (!process_ || WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process_, &exitCode) != FALSE;
}

bool ProgramUnderTest::IsRunning() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND not_;
    HWND found;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && window != search->not_ && IsWindowVisible(window) &&
        lstrcmpiA(className, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM lParam) {
    char className[32] = "";
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) {
        const LRESULT length = SendMessageA(child, WM_GETTEXTLENGTH, 0, 0);
        std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(child, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
        auto* all = reinterpret_cast<std::string*>(lParam);
        if (text[0] != '\0')
            *all += std::string(text.data()) + "\n";
    }
    return TRUE;
}

} // namespace

HWND ProgramUnderTest::FindWindowOfClass(const char* className, DWORD milliseconds, HWND not_) const {
    const DWORD start = GetTickCount();
    do {
        WindowSearch search{processId_, className, not_, nullptr};
        EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

std::string ProgramUnderTest::MessageBoxText(HWND box) {
    std::string text;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

void ProgramUnderTest::ClickButton(HWND box, int id) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}
