#include "WFilePath.h"

#include <windows.h>

namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The first separator at or after `from`; `length` when there is none.
std::size_t FindSeparator(const char* text, std::size_t length, std::size_t from) {
    while (from < length && !IsSeparator(text[from]))
        ++from;
    return from;
}

// The last position holding a character that `matches`, or `length` when there is none.
template <class Match> std::size_t FindLast(const char* text, std::size_t length, Match matches) {
    for (std::size_t i = length; i-- > 0;)
        if (matches(text[i]))
            return i;
    return length;
}
} // namespace

WFilePath::Parts WFilePath::Split() const {
    const char* text = GetText();
    const std::size_t length = GetLength();
    Parts parts = {0, 0, 0};
    if (length >= 2 && text[1] == ':') {
        parts.driveEnd = 2;
    } else if (length >= 2 && IsSeparator(text[0]) && text[0] == text[1]) {
        // \\server\share
        std::size_t end = FindSeparator(text, length, 2);
        if (end != length)
            end = FindSeparator(text, length, end + 1);
        parts.driveEnd = end;
    }
    const std::size_t lastSeparator = FindLast(text, length, IsSeparator);
    parts.directoryEnd = lastSeparator == length || lastSeparator < parts.driveEnd
                             ? parts.driveEnd
                             : lastSeparator + 1;
    const std::size_t dot = FindLast(text, length, [](char c) { return c == '.'; });
    parts.nameEnd = dot == length || dot < parts.directoryEnd ? length : dot;
    return parts;
}

WString WFilePath::Part(std::size_t begin, std::size_t end) const {
    return WString(GetText() + begin, end - begin);
}

WString WFilePath::GetDrive() const { return Part(0, Split().driveEnd); }

WString WFilePath::GetDirectory() const {
    const Parts p = Split();
    return Part(p.driveEnd, p.directoryEnd);
}

WString WFilePath::GetFileName() const {
    const Parts p = Split();
    return Part(p.directoryEnd, p.nameEnd);
}

WString WFilePath::GetExtension() const { return Part(Split().nameEnd, GetLength()); }

bool WFilePath::Exists() const { return GetFileAttributesA(GetText()) != INVALID_FILE_ATTRIBUTES; }
