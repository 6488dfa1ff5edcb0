#include "CommandLine.h"
#include <gtest/gtest.h>

namespace {

using Mode = CommandLine::Mode;

struct CommandLineCase {
    const char* arguments;
    Mode mode;
    std::uintptr_t window;
};

const char* ModeName(Mode mode) {
    switch (mode) {
    case Mode::FullScreen: return "FullScreen";
    case Mode::Preview: return "Preview";
    case Mode::Settings: return "Settings";
    case Mode::Uninstall: return "Uninstall";
    case Mode::Unknown: return "Unknown";
    }
    return "?";
}

const CommandLineCase kCases[] = {
    {"", Mode::Settings, 0},
    {"   ", Mode::Settings, 0},
    {"/s", Mode::FullScreen, 0},
    {"/S", Mode::FullScreen, 0},
    {"-s", Mode::FullScreen, 0},
    {"-S", Mode::FullScreen, 0},
    {" /s ", Mode::FullScreen, 0},
    {"/p 1234", Mode::Preview, 1234},
    {"/P 1234", Mode::Preview, 1234},
    {"-p 1234", Mode::Preview, 1234},
    {"/p:1234", Mode::Preview, 1234},
    {"/P:98765", Mode::Preview, 98765},
    {"/p   42", Mode::Preview, 42},
    {"/p", Mode::Unknown, 0},
    {"/p:", Mode::Unknown, 0},
    {"/p 0", Mode::Unknown, 0},
    {"/p 12x", Mode::Unknown, 0},
    {"/c", Mode::Settings, 0},
    {"/C", Mode::Settings, 0},
    {"-c", Mode::Settings, 0},
    {"/c:1234", Mode::Settings, 1234},
    {"/c 1234", Mode::Settings, 1234},
    {"-C:555", Mode::Settings, 555},
    {"/c:", Mode::Unknown, 0},
    {"/c:abc", Mode::Unknown, 0},
    {"-u", Mode::Uninstall, 0},
    {"-U", Mode::Uninstall, 0},
    {"/u", Mode::Uninstall, 0},
    {"/u 12", Mode::Unknown, 0},
    {"/x", Mode::Unknown, 0},
    {"/sx", Mode::Unknown, 0},
    {"/preview", Mode::Unknown, 0},
    {"s", Mode::Unknown, 0},
    {"hello", Mode::Unknown, 0},
    {"/", Mode::Unknown, 0},
    {"/s extra", Mode::Unknown, 0},
};

TEST(CommandLine, ParsesEveryFormWindowsPasses) {
    for (const CommandLineCase& c : kCases) {
        const CommandLine parsed = CommandLine::Parse(c.arguments);
        EXPECT_EQ(ModeName(parsed.GetMode()), std::string(ModeName(c.mode))) << "arguments \"" << c.arguments << "\"";
        EXPECT_EQ(parsed.Window(), c.window) << "arguments \"" << c.arguments << "\"";
    }
}

TEST(CommandLine, KeepsTheTextForTheUnknownMessage) {
    EXPECT_EQ(CommandLine::Parse("  /bogus ").Text(), "/bogus");
    EXPECT_NE(std::string(CommandLine::Usage()).find("/p"), std::string::npos);
}

struct ProgramNameCase {
    const char* commandLine;
    const char* arguments;
};

TEST(CommandLine, SkipsTheProgramName) {
    const ProgramNameCase cases[] = {
        {"Tessellux.scr /s", " /s"},
        {"\"C:\\Program Files\\Tessellux.scr\" /p 12", " /p 12"},
        {"\"C:\\windows\\Tessellux.scr\"", ""},
        {"C:\\WINDOWS\\TESS~1.SCR -u", " -u"},
        {"  Tessellux.scr", ""},
    };
    for (const ProgramNameCase& c : cases)
        EXPECT_EQ(CommandLine::ArgumentsOf(c.commandLine), c.arguments) << "command line " << c.commandLine;
}

} // namespace
