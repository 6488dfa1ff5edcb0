#include "ProgramPath.h"
#include <windows.h>

namespace {

std::string Unquoted(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\"");
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t\"");
    return text.substr(first, last - first + 1);
}

std::string LongForm(const std::string& path) {
    char buffer[MAX_PATH] = "";
    const DWORD length = GetLongPathNameA(path.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer) : path;
}

std::string ShortForm(const std::string& path) {
    char buffer[MAX_PATH] = "";
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer) : path;
}

bool SameText(const std::string& a, const std::string& b) {
    return !a.empty() && lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

} // namespace

ProgramPath::ProgramPath(const std::string& path) : long_(LongForm(path)), short_(ShortForm(path)) {}

ProgramPath ProgramPath::OfThisProgram() {
    char buffer[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return ProgramPath(std::string(buffer));
}

std::string ProgramPath::Folder() const {
    const size_t slash = long_.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : long_.substr(0, slash);
}

std::string ProgramPath::FileName() const {
    const size_t slash = long_.find_last_of("\\/");
    return slash == std::string::npos ? long_ : long_.substr(slash + 1);
}

bool ProgramPath::IsNamedBy(const std::string& candidate) const {
    const std::string name = Unquoted(candidate);
    if (name.empty())
        return false;
    if (SameText(name, long_) || SameText(name, short_))
        return true;
    // Another spelling of the same existing file, e.g. a short name of one folder only.
    return SameText(LongForm(name), long_);
}
