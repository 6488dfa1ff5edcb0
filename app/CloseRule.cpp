#include "CloseRule.h"

#include "Form1.h"
#include "MainWindow.h"

bool ApplyCloseRule(WModelessDialog& form) {
    if (form.Destroy() && IsMainWindow(&form)) {
        if (WApplication* application = WApplication::GetCurrent())
            application->Quit(0);
    }
    return true;
}
