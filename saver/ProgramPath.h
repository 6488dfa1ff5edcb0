#pragma once
#include <string>

// A program file's path in its long and short forms, to recognise it wherever another
// program wrote it down (SYSTEM.INI, the desktop selection, a link).
class ProgramPath {
public:
    // The short form is asked from the file system; the file should exist.
    explicit ProgramPath(const std::string& path);
    ProgramPath(std::string longPath, std::string shortPath)
        : long_(std::move(longPath)), short_(std::move(shortPath)) {}

    static ProgramPath OfThisProgram();

    const std::string& Long() const { return long_; }
    const std::string& Short() const { return short_; }
    std::string Folder() const;
    std::string FileName() const;

    // Case-insensitive; quotes and blanks around the candidate are ignored.
    bool IsNamedBy(const std::string& candidate) const;

private:
    std::string long_;
    std::string short_;
};
