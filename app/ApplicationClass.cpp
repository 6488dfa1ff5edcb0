#include "ApplicationClass.h"

#include "Form1.h"
#include "MainWindow.h"

ApplicationClass::ApplicationClass() {
    AddEventHandler(WEventID::Start, this, &ApplicationClass::HandleStart);
    AddEventHandler(WEventID::Start, this, &ApplicationClass::StartHook);
    AddEventHandler(WEventID::Run, this, &ApplicationClass::HandleRun);
    AddEventHandler(WEventID::Run, this, &ApplicationClass::RunHook);
    AddEventHandler(WEventID::End, this, &ApplicationClass::HandleEnd);
    AddEventHandler(WEventID::End, this, &ApplicationClass::EndHook);
}

ApplicationClass::~ApplicationClass() = default;

bool ApplicationClass::StartHook(WObject*, WEventData* data) {
    auto* run = static_cast<WApplicationEventData*>(data);
    run->exitCode = 0;
    run->stop = false;
    return false;
}

bool ApplicationClass::RunHook(WObject*, WEventData*) { return false; }
bool ApplicationClass::EndHook(WObject*, WEventData*) { return false; }

bool ApplicationClass::HandleStart(WObject*, WEventData* data) {
    CreateMainWindow();
    if (MainWindowReference)
        return true;
    auto* run = static_cast<WApplicationEventData*>(data);
    run->exitCode = -1;
    run->stop = true;
    return true;
}

bool ApplicationClass::HandleRun(WObject*, WEventData*) {
    // The code WM_QUIT carries is not the program's exit code: every ending is 0.
    RunMessageLoop();
    return true;
}

bool ApplicationClass::HandleEnd(WObject*, WEventData*) {
    DestroyMainWindow();
    MainWindowReference.reset();
    return true;
}
