#pragma once
#include "WBuffer.h"
#include "WHandle.h"
#include "WString.h"

#include <windows.h>

// A registry key the object owns. Each operation is one registry call and reports whether the
// system answered ERROR_SUCCESS. Value operations on an object that holds no key fail without
// asking the system; the destructor closes a key still held, without flushing it.
class WRegistryKey {
public:
    WRegistryKey() = default;
    WRegistryKey(const WRegistryKey&) = delete;
    WRegistryKey& operator=(const WRegistryKey&) = delete;
    WRegistryKey(WRegistryKey&&) noexcept = default;
    WRegistryKey& operator=(WRegistryKey&&) noexcept = default;
    ~WRegistryKey() = default;

    // RegOpenKeyExA. Only on success does the object take the new key (closing any it held);
    // on failure it keeps what it had.
    [[nodiscard]] bool Open(HKEY root, const char* path, REGSAM access);
    // RegCreateKeyA: opens the key when it exists, creates it otherwise. Same ownership rule.
    [[nodiscard]] bool Create(HKEY root, const char* path);

    // RegSetValueExA with REG_SZ; the byte count includes the terminating NUL.
    bool SetStringValue(const char* name, const WString& text);
    // RegSetValueExA with `type` and exactly the buffer's bytes.
    bool SetValue(const char* name, DWORD type, const WBuffer& data);

    // RegFlushKey when `flush` is set (its result does not count), then RegCloseKey. True when
    // the close succeeded; false when no key was held. The object holds no key afterwards.
    bool Close(bool flush);

    bool IsOpen() const { return static_cast<bool>(key_); }
    HKEY GetHandle() const { return key_.Get(); }

private:
    bool SetRawValue(const char* name, DWORD type, const void* data, std::size_t size);

    WRegistryKeyHandle key_;
};
