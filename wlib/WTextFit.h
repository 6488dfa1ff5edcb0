#pragma once
#include "WRect.h"
#include "WString.h"

#include <windows.h>

// Measures a window's text in its current font (DrawTextA with DT_CALCRECT, single line unless
// the text has line breaks), for controls whose size follows their text.
SIZE MeasureWindowText(HWND window);
