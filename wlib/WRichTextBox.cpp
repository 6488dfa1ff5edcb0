#include "WRichTextBox.h"

#include "WSystemLibrary.h"

#include <richedit.h>

#include <cstring>

namespace {
struct StreamSource {
    const unsigned char* next;
    std::size_t left;
};

DWORD CALLBACK ReadFromBuffer(DWORD_PTR cookie, LPBYTE out, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    std::size_t count = wanted > 0 ? static_cast<std::size_t>(wanted) : 0;
    if (count > source->left)
        count = source->left;
    if (count)
        std::memcpy(out, source->next, count);
    source->next += count;
    source->left -= count;
    *given = static_cast<LONG>(count);
    return 0;
}
} // namespace

const char* WRichTextBox::GetWindowClass() {
    static const HMODULE library = LoadSystemLibrary("RICHED32.DLL");
    (void)library;
    return "RICHEDIT";
}

LRESULT WRichTextBox::StreamIn(const WBuffer& buffer, bool plainText) {
    if (!Exists())
        return 0;
    StreamSource source = {buffer.GetData(), buffer.GetSize()};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = &ReadFromBuffer;
    return SendMessageA(GetHandle(), EM_STREAMIN, plainText ? SF_TEXT : SF_RTF,
                        reinterpret_cast<LPARAM>(&stream));
}
