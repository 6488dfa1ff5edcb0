#pragma once
#include <string>
#include <utility>
#include <windows.h>

// Owns an open registry key. Reads report absence or a wrong type as false and leave the
// output untouched, so callers keep their defaults.
class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    ~RegistryKey() { Close(); }

    [[nodiscard]] static RegistryKey Open(HKEY root, const std::string& path, REGSAM access);
    [[nodiscard]] static RegistryKey Create(HKEY root, const std::string& path);
    static bool Exists(HKEY root, const std::string& path);
    // Removes the key with everything under it; true if it is gone afterwards.
    static bool DeleteTree(HKEY root, const std::string& path);

    explicit operator bool() const { return key_ != nullptr; }
    HKEY Get() const { return key_; }

    [[nodiscard]] bool ReadString(const char* name, std::string& value) const;
    [[nodiscard]] bool ReadDword(const char* name, DWORD& value) const;
    [[nodiscard]] bool ReadMultiString(const char* name, std::string& value) const;
    bool HasValue(const char* name) const;
    [[nodiscard]] bool WriteString(const char* name, const std::string& value) const;
    [[nodiscard]] bool WriteDword(const char* name, DWORD value) const;
    bool DeleteValue(const char* name) const;

private:
    explicit RegistryKey(HKEY key) : key_(key) {}
    void Close();

    HKEY key_ = nullptr;
};
