#include "Form1.h"

void Form1::CreateDesktopShortcut(const char*, const char*) {}
