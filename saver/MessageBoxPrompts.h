#pragma once
#include "UninstallPrompts.h"

// UninstallPrompts as plain message boxes.
class MessageBoxPrompts : public UninstallPrompts {
public:
    bool Confirm(const std::string& text) override;
    void Inform(const std::string& text) override;
    void Warn(const std::string& text) override;
};
