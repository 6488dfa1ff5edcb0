#pragma once
#include <cstdint>
#include <string>

// The screen saver command line as Windows passes it: "/s", "/p 1234" or "/p:1234", "/c" with
// an optional owner window, none at all (settings), "-u" to uninstall. Case-insensitive, with
// "/" or "-".
class CommandLine {
public:
    enum class Mode { FullScreen, Preview, Settings, Uninstall, Unknown };

    // arguments: the command line after the program name.
    static CommandLine Parse(const std::string& arguments);
    // The part of a whole command line (GetCommandLine) after the program name.
    static std::string ArgumentsOf(const std::string& commandLine);

    Mode GetMode() const { return mode_; }
    // The parent (/p) or owner (/c) window as a number; 0 when none was given.
    std::uintptr_t Window() const { return window_; }
    // What was given, for the message shown for an unknown command line.
    const std::string& Text() const { return text_; }

    static const char* Usage();

private:
    Mode mode_ = Mode::Unknown;
    std::uintptr_t window_ = 0;
    std::string text_;
};
