#pragma once
#include "WApplication.h"

// The application of an executable: WinMain hands its arguments to Run.
class WExeApplication : public WApplication {
public:
    // Start step: clears the stop flag, sets the exit code to 0, fires StartEvent. Run step,
    // only when the stop flag is still clear: records the thread again, fires RunEvent. End
    // step, always: fires EndEvent. Returns the exit code.
    int Run(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);

    LPCSTR GetCommandLine() const { return commandLine_; }
    int GetShowCommand() const { return showCommand_; }

private:
    LPCSTR commandLine_ = "";
    int showCommand_ = SW_SHOWDEFAULT;
};
