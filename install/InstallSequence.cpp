#include "Form1.h"

bool Form1::cb_1_Click(WObject*, WEventData*) { return false; }
