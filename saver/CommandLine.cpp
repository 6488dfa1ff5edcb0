#include "CommandLine.h"
#include <cctype>

namespace {

std::string Trim(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first])))
        ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1])))
        --last;
    return text.substr(first, last - first);
}

// A window number: decimal digits only, nothing else after them.
bool ParseWindow(const std::string& text, std::uintptr_t& window) {
    if (text.empty() || text.size() > 20)
        return false;
    std::uintptr_t value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
        value = value * 10 + static_cast<std::uintptr_t>(c - '0');
    }
    window = value;
    return true;
}

} // namespace

CommandLine CommandLine::Parse(const std::string& arguments) {
    CommandLine result;
    result.text_ = Trim(arguments);
    const std::string& text = result.text_;
    if (text.empty()) {
        result.mode_ = Mode::Settings;
        return result;
    }
    if (text.size() < 2 || (text[0] != '/' && text[0] != '-'))
        return result;

    const char option = static_cast<char>(std::tolower(static_cast<unsigned char>(text[1])));
    std::string rest = text.substr(2);
    // The window may follow after a colon or after blanks: "/p:1234", "/p 1234".
    const bool hasColon = !rest.empty() && rest[0] == ':';
    if (hasColon)
        rest = rest.substr(1);
    else if (!rest.empty() && !std::isspace(static_cast<unsigned char>(rest[0])))
        return result;  // "/sx", "/preview"
    rest = Trim(rest);

    std::uintptr_t window = 0;
    switch (option) {
    case 's':
        if (rest.empty() && !hasColon)
            result.mode_ = Mode::FullScreen;
        break;
    case 'p':
        if (ParseWindow(rest, window) && window != 0) {
            result.mode_ = Mode::Preview;
            result.window_ = window;
        }
        break;
    case 'c':
        if (rest.empty() && !hasColon) {
            result.mode_ = Mode::Settings;
        } else if (ParseWindow(rest, window)) {
            result.mode_ = Mode::Settings;
            result.window_ = window;
        }
        break;
    case 'u':
        if (rest.empty() && !hasColon)
            result.mode_ = Mode::Uninstall;
        break;
    default:
        break;
    }
    return result;
}

std::string CommandLine::ArgumentsOf(const std::string& commandLine) {
    size_t at = 0;
    while (at < commandLine.size() && std::isspace(static_cast<unsigned char>(commandLine[at])))
        ++at;
    if (at < commandLine.size() && commandLine[at] == '"') {
        const size_t close = commandLine.find('"', at + 1);
        at = close == std::string::npos ? commandLine.size() : close + 1;
    } else {
        while (at < commandLine.size() && !std::isspace(static_cast<unsigned char>(commandLine[at])))
            ++at;
    }
    return commandLine.substr(at);
}

const char* CommandLine::Usage() {
    return "Tessellux accepts:\n\n"
           "/s\t\tshow the screen saver\n"
           "/p <window>\tshow the preview inside a window\n"
           "/c[:<window>]\tchange the settings (also with no argument)\n"
           "-u\t\tuninstall Tessellux";
}
