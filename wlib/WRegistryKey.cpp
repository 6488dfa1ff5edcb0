#include "WRegistryKey.h"

#include <limits>

bool WRegistryKey::Open(HKEY root, const char* path, REGSAM access) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, path, 0, access, &opened) != ERROR_SUCCESS)
        return false;
    key_.Reset(opened);
    return true;
}

bool WRegistryKey::Create(HKEY root, const char* path) {
    HKEY created = nullptr;
    if (RegCreateKeyA(root, path, &created) != ERROR_SUCCESS)
        return false;
    key_.Reset(created);
    return true;
}

bool WRegistryKey::SetStringValue(const char* name, const WString& text) {
    return SetRawValue(name, REG_SZ, text.GetText(), text.GetLength() + 1);
}

bool WRegistryKey::SetValue(const char* name, DWORD type, const WBuffer& data) {
    return SetRawValue(name, type, data.GetData(), data.GetSize());
}

bool WRegistryKey::SetRawValue(const char* name, DWORD type, const void* data, std::size_t size) {
    if (!key_ || size > std::numeric_limits<DWORD>::max())
        return false;
    return RegSetValueExA(key_.Get(), name, 0, type, static_cast<const BYTE*>(data),
                          static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

bool WRegistryKey::Close(bool flush) {
    if (!key_)
        return false;
    if (flush)
        RegFlushKey(key_.Get());
    return RegCloseKey(key_.Release()) == ERROR_SUCCESS;
}
