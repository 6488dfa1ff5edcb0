#include "RegistryKey.h"
#include <vector>

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        Close();
        key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
}

void RegistryKey::Close() {
    if (key_)
        RegCloseKey(std::exchange(key_, nullptr));
}

RegistryKey RegistryKey::Open(HKEY root, const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}

RegistryKey RegistryKey::Create(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}

bool RegistryKey::Exists(HKEY root, const std::string& path) {
    return static_cast<bool>(Open(root, path, KEY_READ));
}

bool RegistryKey::DeleteTree(HKEY root, const std::string& path) {
    RegDeleteTreeA(root, path.c_str());
    RegDeleteKeyA(root, path.c_str());
    return !Exists(root, path);
}

bool RegistryKey::ReadString(const char* name, std::string& value) const {
    DWORD type = 0, size = 0;
    if (!key_ || RegQueryValueExA(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    std::vector<char> buffer(size + 2, '\0');
    if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS)
        return false;
    value.assign(buffer.data());  // the stored data need not end with a terminator
    return true;
}

bool RegistryKey::ReadMultiString(const char* name, std::string& value) const {
    DWORD type = 0, size = 0;
    if (!key_ || RegQueryValueExA(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_MULTI_SZ)
        return false;
    std::vector<char> buffer(size + 2, '\0');
    if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS)
        return false;
    value.assign(buffer.data(), size);
    return true;
}

bool RegistryKey::ReadDword(const char* name, DWORD& value) const {
    DWORD type = 0, data = 0, size = sizeof data;
    if (!key_ || RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&data),
                                  &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof data)
        return false;
    value = data;
    return true;
}

bool RegistryKey::HasValue(const char* name) const {
    return key_ && RegQueryValueExA(key_, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool RegistryKey::WriteString(const char* name, const std::string& value) const {
    return key_ && RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryKey::WriteDword(const char* name, DWORD value) const {
    return key_ && RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                  sizeof value) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(const char* name) const {
    return key_ && RegDeleteValueA(key_, name) == ERROR_SUCCESS;
}
