#pragma once
#include "WString.h"

// A path: a WString that also knows where its drive, directory, file name and extension lie.
// The text is kept exactly as given, never normalised.
class WFilePath : public WString {
public:
    WFilePath() = default;
    WFilePath(const char* text) : WString(text) {}
    WFilePath(const WString& text) : WString(text) {}

    // "C:" (or "\\server\share"), empty when there is none.
    WString GetDrive() const;
    // From after the drive to the last separator, inclusive: "\WINDOWS\".
    WString GetDirectory() const;
    // After the last separator, without the extension: "Tessellux".
    WString GetFileName() const;
    // From the last point of the file name on: ".scr"; empty when there is none.
    WString GetExtension() const;

    // True when GetFileAttributesA finds anything at the path, a directory included.
    bool Exists() const;

private:
    struct Parts {
        std::size_t driveEnd, directoryEnd, nameEnd;
    };
    Parts Split() const;
    WString Part(std::size_t begin, std::size_t end) const;
};
