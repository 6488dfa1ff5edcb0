#pragma once
// The class library: a small object layer over the Win32 API for forms made from dialog
// templates.
//
// Conventions
// - Events: objects derive from WEventGenerator; handlers are member functions
//   `bool Handler(WObject* source, WEventData* data)` attached per event. A handler attached
//   later runs first; returning true stops the rest and the library's own processing.
// - Ownership: every handle the library creates has one owning object (WHandle.h) and is
//   released by it. Windows are the exception: a form destroys its window when it is deleted
//   (or earlier, when asked); controls only borrow the dialog items they are bound to.
// - Errors: no exceptions. Operations report success as a bool where a caller may care, and
//   otherwise do as much as the system lets them.
// - Text: 8-bit ANSI (WString); wide text only where an API requires it.
// - Threads: one GUI thread. Only WApplication::Quit may be called from another thread.
#include "WApplication.h"
#include "WBitmap.h"
#include "WBuffer.h"
#include "WButton.h"
#include "WCheckBox.h"
#include "WColor.h"
#include "WCom.h"
#include "WCommandButton.h"
#include "WControl.h"
#include "WCursor.h"
#include "WEventGenerator.h"
#include "WExeApplication.h"
#include "WFile.h"
#include "WFilePath.h"
#include "WFont.h"
#include "WForm.h"
#include "WLabel.h"
#include "WMessageBox.h"
#include "WModelessDialog.h"
#include "WModule.h"
#include "WObject.h"
#include "WPictureBox.h"
#include "WProcess.h"
#include "WProgressBar.h"
#include "WRegistryKey.h"
#include "WResourceID.h"
#include "WRichTextBox.h"
#include "WStatic.h"
#include "WString.h"
#include "WTextBox.h"
#include "WWindow.h"
