#pragma once
#include "wlib.h"

// What a form does when asked to close: it destroys its own window, and when it is the main
// window the application quits with exit code 0. Always reports the close as handled, so the
// library's own close processing does not run.
bool ApplyCloseRule(WModelessDialog& form);
