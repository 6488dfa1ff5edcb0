#include "Form1.h"

#include <shlobj.h>

#include <cstring>

namespace {
// The shell's published identifiers, defined here so that the program does not link the whole
// GUID library (some 40 KB) for three of them.
constexpr CLSID kShellLinkClass = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kShellLinkInterface = {0x000214EE, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kPersistFileInterface = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

using PathBuffer = char[MAX_PATH];

// Replaces `path` with `text` only when it fits, terminator included; a cut path would name
// some other file.
bool CopyWhole(PathBuffer& path, const char* text) {
    const std::size_t length = std::strlen(text);
    if (length >= MAX_PATH)
        return false;
    std::memcpy(path, text, length + 1);
    return true;
}

// The link's path as the wide text IPersistFile::Save takes; false, and nothing converted, when
// the path would not fit in MAX_PATH characters, terminator included.
bool ToWideLinkPath(const WString& linkPath, wchar_t (&widePath)[MAX_PATH]) {
    return linkPath.GetLength() < MAX_PATH &&
           MultiByteToWideChar(CP_ACP, 0, linkPath.GetText(), -1, widePath, MAX_PATH) != 0;
}

// The desktop folder's file system path, as the shell reports it for `owner`.
bool GetDesktopFolder(HWND owner, PathBuffer& path) {
    LPITEMIDLIST rawList = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_DESKTOP, &rawList)))
        return false;
    const WCoTaskMemPtr<ITEMIDLIST> list(rawList);
    return list && SHGetPathFromIDListA(list.Get(), path);
}

// The link's steps up to the first failure; the caller's owners undo what was obtained.
void WriteLink(IShellLinkA& link, IPersistFile& file, HWND owner, const char* target,
               const char* linkName, const WFilePath& iconPath) {
    if (!target || FAILED(link.SetPath(target)))
        return;

    PathBuffer path{};
    wchar_t widePath[MAX_PATH]{};
    if (!GetDesktopFolder(owner, path) || !linkName ||
        !ToWideLinkPath(WString(path) + "\\" + linkName, widePath))
        return;
    if (FAILED(file.Save(widePath, TRUE)))
        return;

    // The link exists from here on; the icon is a second save of the same file.
    if (!CopyWhole(path, iconPath.GetText()) || FAILED(link.SetIconLocation(path, 0)))
        return;
    int iconIndex = 0;
    if (FAILED(link.GetIconLocation(path, 256, &iconIndex)))
        return;
    static_cast<void>(file.Save(widePath, TRUE));
}
} // namespace

// Silent on failure: a missing desktop link is not worth an error at the end of an install.
void Form1::CreateDesktopShortcut(const char* target, const char* linkName) {
    // Declared in this order so that release runs the other way: the persist-file interface,
    // then the link, then CoUninitialize (only when this call's CoInitialize succeeded).
    const WComInitialization com;
    WComPtr<IShellLinkA> link;
    WComPtr<IPersistFile> file;

    if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkInterface,
                                link.PutVoid())))
        return;
    if (FAILED(link->QueryInterface(kPersistFileInterface, file.PutVoid())))
        return;
    WriteLink(*link.Get(), *file.Get(), GetHandle(), target, linkName, GetScreenSaverPath());
}
