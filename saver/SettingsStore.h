#pragma once
#include "SaverSettings.h"
#include <string>
#include <windows.h>

// Keeps SaverSettings under a key of HKEY_CURRENT_USER: Family and Palette as names (REG_SZ),
// Speed and Density as REG_DWORD 1..10. A missing, mistyped or out-of-range value reads as
// its default.
class SettingsStore {
public:
    static constexpr const char* kDefaultKeyPath = "Software\\Orrinwald\\Tessellux";

    explicit SettingsStore(std::string keyPath = kDefaultKeyPath, HKEY root = HKEY_CURRENT_USER)
        : keyPath_(std::move(keyPath)), root_(root) {}

    SaverSettings Load() const;
    [[nodiscard]] bool Save(const SaverSettings& settings) const;
    const std::string& KeyPath() const { return keyPath_; }

private:
    std::string keyPath_;
    HKEY root_;
};
