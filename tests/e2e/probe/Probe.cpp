// A stand-in program for checks the installer cannot answer itself: it reports the screen
// it sees, or shows a message box for the driver to find and answer.
//   e2e-probe screen-width        exit code = GetSystemMetrics(SM_CXSCREEN)
//   e2e-probe message-box TITLE TEXT   MB_YESNOCANCEL; exit code = the pressed button's id
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const int argc = __argc;
    char** const argv = __argv;
    if (argc >= 2 && std::strcmp(argv[1], "screen-width") == 0)
        return GetSystemMetrics(SM_CXSCREEN);
    if (argc >= 4 && std::strcmp(argv[1], "message-box") == 0)
        return MessageBoxA(nullptr, argv[3], argv[2], MB_YESNOCANCEL | MB_ICONQUESTION);
    return -2;
}
