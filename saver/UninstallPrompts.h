#pragma once
#include <string>

// How UninstallCommand talks to the user: message boxes in the program, a script in tests.
class UninstallPrompts {
public:
    virtual ~UninstallPrompts() = default;
    // A Yes/No question; true for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    virtual void Inform(const std::string& text) = 0;
    virtual void Warn(const std::string& text) = 0;
};
