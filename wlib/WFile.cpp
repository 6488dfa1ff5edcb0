#include "WFile.h"

#include <algorithm>

namespace {
// Windows refuses to overwrite or replace a read-only file; Wine run by root lets it through,
// so the rule is also checked here.
bool RefuseReadOnly(const WFilePath& path) {
    const DWORD attributes = GetFileAttributesA(path.GetText());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    SetLastError(ERROR_ACCESS_DENIED);
    return true;
}
} // namespace

bool WFile::Create(const WFilePath& path) {
    if (RefuseReadOnly(path))
        return false;
    file_.Reset(CreateFileA(path.GetText(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    return IsOpen();
}

bool WFile::CreateNew(const WFilePath& path) {
    file_.Reset(CreateFileA(path.GetText(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    return IsOpen();
}

bool WFile::Write(const void* data, std::size_t size) {
    if (!IsOpen())
        return false;
    const auto* next = static_cast<const unsigned char*>(data);
    // WriteFile counts in DWORDs; a size_t may not fit.
    constexpr std::size_t kLargestWrite = 0x40000000;
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min(size, kLargestWrite));
        DWORD written = 0;
        if (!WriteFile(file_.Get(), next, chunk, &written, nullptr) || written != chunk)
            return false;
        next += chunk;
        size -= chunk;
    }
    return true;
}

bool WFile::Close() {
    // CloseHandle can report a write the cache could not complete.
    const HANDLE file = file_.Release();
    return file != INVALID_HANDLE_VALUE && CloseHandle(file);
}

bool WFileReplacement::Open() {
    // Beside the target, so that the final rename stays on one volume. CREATE_NEW claims a
    // name in one call; a name already taken (another process's, a crashed run's) moves on.
    const WString directory = target_.GetDrive() + target_.GetDirectory();
    const DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 12);
    for (DWORD attempt = 0; attempt < 64; ++attempt) {
        char name[] = "~00000000.tmp";
        DWORD value = seed + attempt * 0x9E3779B9u;
        for (int digit = 8; digit >= 1; --digit, value >>= 4)
            name[digit] = "0123456789abcdef"[value & 0xF];
        WFilePath candidate = directory + name;
        if (file_.CreateNew(candidate)) {
            temporary_ = std::move(candidate);
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    return false;
}

bool WFileReplacement::Commit() {
    if (temporary_.IsEmpty() || !file_.Close() || RefuseReadOnly(target_) ||
        !MoveFileExA(temporary_.GetText(), target_.GetText(), MOVEFILE_REPLACE_EXISTING)) {
        Discard();
        return false;
    }
    temporary_ = WFilePath();
    return true;
}

void WFileReplacement::Discard() {
    if (temporary_.IsEmpty())
        return;
    // The handle must go first: an open file cannot be deleted.
    if (file_.IsOpen())
        (void)file_.Close();
    DeleteFileA(temporary_.GetText());
    temporary_ = WFilePath();
}
