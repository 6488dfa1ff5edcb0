#include "WExeApplication.h"

#include "WSystemLibrary.h"

int WExeApplication::Run(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    // Before any library is loaded on demand: never from the program's own folder.
    RestrictDllSearchToSystem();
    SetInstance(instance);
    RecordThread();
    commandLine_ = commandLine ? commandLine : "";
    showCommand_ = showCommand;

    WApplicationEventData& data = EventData();
    data.stop = false;
    data.exitCode = 0;
    FireEvent(WEventID::Start, this, &data);

    if (!data.stop) {
        RecordThread();
        FireEvent(WEventID::Run, this, &data);
    }

    FireEvent(WEventID::End, this, &data);
    return data.exitCode;
}
