#include "ApplicationClass.h"

// The one application object; it exists before WinMain runs and goes after it returns.
static ApplicationClass Application;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand) {
    return Application.Run(instance, previous, commandLine, showCommand);
}
