#include "Form1.h"

bool Form1::ExtractScreenSaver() { return false; }
void Form1::ExtractHelpFile() {}
