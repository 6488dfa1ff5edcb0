#include "Dialogs.h"

#include <commctrl.h>

#include <cstring>

namespace e2e {

namespace {
INT_PTR CALLBACK InertDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// DIALOGEX starts with dlgVer 1 and signature 0xFFFF; its style word is at offset 12.
constexpr size_t kExStyleOffset = 12;
} // namespace

ReferenceDialog::ReferenceDialog(const std::string& modulePath, const char* templateName) {
    // The template's window classes must exist in this process too.
    InitCommonControls();
    static const HMODULE richEdit = LoadLibraryA("riched32.dll");
    (void)richEdit;

    module_.Reset(LoadLibraryExA(modulePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module_) {
        loadError_ = GetLastError();
        return;
    }
    HRSRC found = FindResourceA(module_.Get(), templateName, MAKEINTRESOURCEA(5) /*RT_DIALOG*/);
    HGLOBAL loaded = found ? LoadResource(module_.Get(), found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = found ? SizeofResource(module_.Get(), found) : 0;
    if (!bytes || size < 26) {
        loadError_ = GetLastError();
        return;
    }
    std::vector<unsigned char> copy(static_cast<const unsigned char*>(bytes),
                                    static_cast<const unsigned char*>(bytes) + size);
    const bool extended = copy[0] == 1 && copy[1] == 0 && copy[2] == 0xFF && copy[3] == 0xFF;
    const size_t styleOffset = extended ? kExStyleOffset : 0;
    std::memcpy(&templateStyle_, &copy[styleOffset], sizeof templateStyle_);
    const DWORD hidden = templateStyle_ & ~static_cast<DWORD>(WS_VISIBLE);
    std::memcpy(&copy[styleOffset], &hidden, sizeof hidden);
    // Word alignment the dialog manager expects.
    std::vector<WORD> aligned((copy.size() + 1) / 2);
    std::memcpy(aligned.data(), copy.data(), copy.size());
    dialog_.Reset(CreateDialogIndirectParamA(
        GetModuleHandleA(nullptr), reinterpret_cast<const DLGTEMPLATE*>(aligned.data()), nullptr,
        InertDialogProc, 0));
    if (!dialog_)
        loadError_ = GetLastError();
}

RECT ReferenceDialog::ItemRect(int id) const {
    RECT r = {-1, -1, -1, -1};
    HWND item = GetDlgItem(dialog_.Get(), id);
    if (!item)
        return r;
    GetWindowRect(item, &r);
    MapWindowPoints(nullptr, dialog_.Get(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT ReferenceDialog::Map(int left, int top, int right, int bottom) const {
    RECT r = {left, top, right, bottom};
    MapDialogRect(dialog_.Get(), &r);
    return r;
}

VirtualDesktop::VirtualDesktop(const std::string& name, int width, int height) : name_(name) {
    HKEY raw = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return;
    UniqueKey key(raw);
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    if (RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(size.c_str()),
                       static_cast<DWORD>(size.size() + 1)) != ERROR_SUCCESS)
        return;
    desktop_.Reset(CreateDesktopA(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr));
}

} // namespace e2e
