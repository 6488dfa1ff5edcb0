#pragma once
#include "WControl.h"

// A static control.
class WStatic : public WControl {};
