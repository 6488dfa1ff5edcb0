#include "MessageBoxPrompts.h"
#include <windows.h>

namespace {
const char* const kCaption = "Tessellux Uninstall";
const UINT kCommon = MB_SETFOREGROUND | MB_TOPMOST;
} // namespace

bool MessageBoxPrompts::Confirm(const std::string& text) {
    return MessageBoxA(nullptr, text.c_str(), kCaption, MB_YESNO | MB_ICONQUESTION | kCommon) == IDYES;
}

void MessageBoxPrompts::Inform(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), kCaption, MB_OK | MB_ICONINFORMATION | kCommon);
}

void MessageBoxPrompts::Warn(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), kCaption, MB_OK | MB_ICONWARNING | kCommon);
}
