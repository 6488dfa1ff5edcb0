#pragma once
#include "WString.h"

#include <windows.h>

// Names a resource by text ("ID_Form1") or by number (100). A text name is kept as a copy.
class WResourceID {
public:
    WResourceID(const char* name) : name_(name), number_(0), isNumber_(false) {}
    WResourceID(WORD number) : number_(number), isNumber_(true) {}
    WResourceID(int number) : number_(static_cast<WORD>(number)), isNumber_(true) {}

    // The form the resource functions take: the text, or MAKEINTRESOURCE of the number.
    LPCSTR Get() const { return isNumber_ ? MAKEINTRESOURCEA(number_) : name_.GetText(); }
    bool IsNumber() const { return isNumber_; }
    WORD GetNumber() const { return number_; }

private:
    WString name_;
    WORD number_;
    bool isNumber_;
};
