#pragma once
#include <string>

// Reads the target path of a shell link (.lnk). COM must be initialised on this thread.
class ShellLinkTarget {
public:
    // False when the file is missing or not a link; target is then untouched.
    [[nodiscard]] static bool Read(const std::string& linkPath, std::string& target);
};
