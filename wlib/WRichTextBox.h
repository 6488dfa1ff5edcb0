#pragma once
#include "WBuffer.h"
#include "WTextBox.h"

// A rich edit control of the "RICHEDIT" class.
class WRichTextBox : public WTextBox {
public:
    // "RICHEDIT". The first call loads RICHED32.DLL (from the system directory), which
    // registers the class; the library stays loaded for the process.
    static const char* GetWindowClass();

    // EM_STREAMIN (SF_RTF, or SF_TEXT for plain text) fed from the buffer, from its first byte
    // on, as much as each callback asks for, until it is exhausted. Returns what EM_STREAMIN
    // returned (the number of characters read in).
    LRESULT StreamIn(const WBuffer& buffer, bool plainText);
};
