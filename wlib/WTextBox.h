#pragma once
#include "WControl.h"

// An edit control.
class WTextBox : public WControl {
public:
    // Puts the caret after the last character (EM_SETSEL at the text limit), inserts the text
    // there without undo (EM_REPLACESEL) and, when asked, scrolls the caret into view.
    void AppendText(const WString& text, bool scrollToEnd);

    // EM_GETSEL: the selection's start and end.
    void GetSelection(DWORD& start, DWORD& end) const;
};
