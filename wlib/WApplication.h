#pragma once
#include "WEventGenerator.h"

#include <windows.h>

// The record that StartEvent, RunEvent and EndEvent handlers share for one run.
class WApplicationEventData : public WEventData {
public:
    bool stop = false; // set by a StartEvent handler: the application must not run
    int exitCode = 0;  // what the run operation returns
};

// The application object: one per process, made current by its construction. Its run
// operation (WExeApplication) fires StartEvent, RunEvent (skipped when the stop flag is set)
// and EndEvent, always in that order, and returns the exit code of the shared event data.
class WApplication : public WEventGenerator {
public:
    WApplication();
    ~WApplication() override;

    static WApplication* GetCurrent() { return current_; }

    // On the application's thread posts WM_QUIT through PostQuitMessage; from any other thread
    // posts WM_QUIT to the application's thread, the code as wParam.
    void Quit(int exitCode);

    // The message loop: runs until WM_QUIT arrives or GetMessage fails. Every message first
    // passes through the forms' pre-processing (dialog navigation), then is translated and
    // dispatched. Returns the wParam of WM_QUIT (0 when retrieval failed).
    static WPARAM RunMessageLoop();

    HINSTANCE GetInstance() const { return instance_; }
    DWORD GetThreadId() const { return threadId_; }

protected:
    void SetInstance(HINSTANCE instance) { instance_ = instance; }
    void RecordThread() { threadId_ = GetCurrentThreadId(); }
    WApplicationEventData& EventData() { return eventData_; }

private:
    static WApplication* current_;
    HINSTANCE instance_ = nullptr;
    DWORD threadId_ = 0;
    WApplicationEventData eventData_;
};
