#include "WFilePath.h"

#include <windows.h>

WFilePath::Parts WFilePath::Split() const {
    const std::string& text = Str();
    Parts parts = {0, 0, 0};
    if (text.size() >= 2 && text[1] == ':') {
        parts.driveEnd = 2;
    } else if (text.size() >= 2 && (text[0] == '\\' || text[0] == '/') && text[0] == text[1]) {
        // \\server\share
        std::size_t end = text.find_first_of("\\/", 2);
        if (end != std::string::npos)
            end = text.find_first_of("\\/", end + 1);
        parts.driveEnd = end == std::string::npos ? text.size() : end;
    }
    const std::size_t lastSeparator = text.find_last_of("\\/");
    parts.directoryEnd = lastSeparator == std::string::npos || lastSeparator < parts.driveEnd
                             ? parts.driveEnd
                             : lastSeparator + 1;
    const std::size_t dot = text.find_last_of('.');
    parts.nameEnd = dot == std::string::npos || dot < parts.directoryEnd ? text.size() : dot;
    return parts;
}

WString WFilePath::GetDrive() const { return WString(Str().substr(0, Split().driveEnd)); }

WString WFilePath::GetDirectory() const {
    const Parts p = Split();
    return WString(Str().substr(p.driveEnd, p.directoryEnd - p.driveEnd));
}

WString WFilePath::GetFileName() const {
    const Parts p = Split();
    return WString(Str().substr(p.directoryEnd, p.nameEnd - p.directoryEnd));
}

WString WFilePath::GetExtension() const { return WString(Str().substr(Split().nameEnd)); }

bool WFilePath::Exists() const { return GetFileAttributesA(GetText()) != INVALID_FILE_ATTRIBUTES; }
