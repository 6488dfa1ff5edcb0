#pragma once
#include "wlib.h"

// The installer's application: its Start step creates the main window, its Run step runs the
// message loop until the main window has closed, its End step deletes the main window.
class ApplicationClass : public WExeApplication {
public:
    ApplicationClass();
    ~ApplicationClass() override;

    bool HandleStart(WObject* source, WEventData* data);
    bool HandleRun(WObject* source, WEventData* data);
    bool HandleEnd(WObject* source, WEventData* data);

private:
    // Added after the main handlers, so they run first. The start hook resets the stop flag
    // and the exit code: it must run before HandleStart, or it would wipe out a failure that
    // HandleStart recorded.
    bool StartHook(WObject* source, WEventData* data);
    bool RunHook(WObject* source, WEventData* data);
    bool EndHook(WObject* source, WEventData* data);
};
