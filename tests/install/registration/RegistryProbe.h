#pragma once
// Reads the registry back the way the tests compare it: type, byte count and bytes.
#include "WHandle.h"

#include <windows.h>

#include <string>
#include <vector>

namespace registry_probe {

constexpr DWORD kUntouchedType = 0xDEADBEEF;

struct Value {
    LONG status = ERROR_SUCCESS;
    DWORD type = kUntouchedType;
    std::string bytes; // exactly the stored bytes, NULs included
};

inline Value Read(HKEY key, const char* name) {
    Value value;
    DWORD size = 0;
    value.status = RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size);
    if (value.status != ERROR_SUCCESS)
        return value;
    value.bytes.assign(size, '\xCC');
    value.status = RegQueryValueExA(key, name, nullptr, &value.type,
                                    reinterpret_cast<BYTE*>(value.bytes.data()), &size);
    value.bytes.resize(size);
    return value;
}

inline std::vector<std::string> ValueNames(HKEY key) {
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD length = sizeof name;
        if (RegEnumValueA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

inline WRegistryKeyHandle OpenKey(HKEY root, const char* path, REGSAM access = KEY_READ) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, access, &key) != ERROR_SUCCESS)
        return WRegistryKeyHandle();
    return WRegistryKeyHandle(key);
}

inline WRegistryKeyHandle CreateKey(HKEY root, const char* path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return WRegistryKeyHandle();
    return WRegistryKeyHandle(key);
}

inline bool KeyExists(HKEY root, const char* path) {
    return static_cast<bool>(OpenKey(root, path));
}

inline void DeleteTree(HKEY root, const char* path) {
    if (WRegistryKeyHandle key = OpenKey(root, path, KEY_ALL_ACCESS)) {
        RegDeleteTreeA(key.Get(), nullptr);
        key.Reset();
        RegDeleteKeyA(root, path);
    }
}

inline std::string Sz(const std::string& text) {
    return text + '\0';
}

inline std::string Dword(DWORD number) {
    return std::string(reinterpret_cast<const char*>(&number), sizeof number);
}

} // namespace registry_probe
