// The tessellux-pack executable as the build runs it: exit codes, messages, output file.
#include "PayloadPack.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

enum class Input { Missing, Directory, Empty, Small, AtBound, OverBound };
enum class Args { None, InputOnly, InputOutput, Extra, Help };
enum class Output { Absent, Old, InMissingDir, IsDirectory };
enum class After { Absent, Old, Packed, StillDirectory };

struct ToolCase {
    const char* name;
    Args args;
    Input input;
    Output output;
    int exitCode;
    const char* stderrHas; // "" = stderr must be empty
    After after;
};

void PrintTo(const ToolCase& c, std::ostream* os) {
    *os << c.name;
}

const Bytes kOld = {'o', 'l', 'd'};

Bytes InputBytes(Input input) {
    switch (input) {
    case Input::Small:
        return Bytes(1234, 'x');
    case Input::AtBound:
        return Bytes(tessellux::kMaxInflatedSize, 0x5A);
    case Input::OverBound:
        return Bytes(tessellux::kMaxInflatedSize + 1, 0x5A);
    default:
        return {};
    }
}

void WriteFile(const fs::path& p, const Bytes& b) {
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
}

Bytes ReadFile(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), {});
}

struct RunResult {
    int exitCode = -1;
    std::string out, err;
};

RunResult RunTool(const std::vector<std::string>& args, const fs::path& dir) {
    fs::path outFile = dir / "stdout.txt", errFile = dir / "stderr.txt";
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&fa, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv{const_cast<char*>(TESSELLUX_PACK_EXE)};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid;
    RunResult r;
    int rc = posix_spawn(&pid, TESSELLUX_PACK_EXE, &fa, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    if (rc != 0)
        return r;
    int status = 0;
    waitpid(pid, &status, 0);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    Bytes o = ReadFile(outFile), e = ReadFile(errFile);
    r.out.assign(o.begin(), o.end());
    r.err.assign(e.begin(), e.end());
    fs::remove(outFile);
    fs::remove(errFile);
    return r;
}

class PackTool : public testing::TestWithParam<ToolCase> {
protected:
    void SetUp() override {
        std::string tmpl = (fs::path(testing::TempDir()) / "tessellux-pack-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

} // namespace

TEST_P(PackTool, Behaves) {
    const ToolCase& c = GetParam();
    fs::path in = dir_ / "in.exe";
    fs::path out = c.output == Output::InMissingDir ? dir_ / "nope" / "out.z" : dir_ / "out.z";
    Bytes data = InputBytes(c.input);
    if (c.input == Input::Directory)
        fs::create_directory(in);
    else if (c.input != Input::Missing)
        WriteFile(in, data);
    if (c.output == Output::Old)
        WriteFile(out, kOld);
    if (c.output == Output::IsDirectory)
        fs::create_directory(out);

    std::vector<std::string> args;
    switch (c.args) {
    case Args::None:
        break;
    case Args::InputOnly:
        args = {in.string()};
        break;
    case Args::InputOutput:
        args = {in.string(), out.string()};
        break;
    case Args::Extra:
        args = {in.string(), out.string(), "more"};
        break;
    case Args::Help:
        args = {"--help"};
        break;
    }

    RunResult r = RunTool(args, dir_);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    if (*c.stderrHas) {
        EXPECT_NE(r.err.find(c.stderrHas), std::string::npos) << "stderr: " << r.err;
    } else {
        EXPECT_EQ(r.err, "");
    }
    if (c.args == Args::Help) {
        EXPECT_NE(r.out.find("usage: tessellux-pack <input> <output>"), std::string::npos);
    }

    switch (c.after) {
    case After::Absent:
        EXPECT_FALSE(fs::exists(out));
        break;
    case After::Old:
        EXPECT_EQ(ReadFile(out), kOld);
        break;
    case After::Packed:
        EXPECT_EQ(ReadFile(out), tessellux::PackPayload(data));
        break;
    case After::StillDirectory:
        EXPECT_TRUE(fs::is_directory(out));
        break;
    }
    // No temp file left behind, whatever happened.
    for (const auto& e : fs::directory_iterator(dir_))
        EXPECT_TRUE(e.path() == in || e.path() == out) << "left over: " << e.path();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, PackTool, testing::Values(
    //        name                   args               input              output                 exit stderr contains                                after
    ToolCase{"NoArguments",          Args::None,        Input::Small,      Output::Absent,        2, "usage: tessellux-pack <input> <output>",         After::Absent},
    ToolCase{"OneArgument",          Args::InputOnly,   Input::Small,      Output::Absent,        2, "usage: tessellux-pack <input> <output>",         After::Absent},
    ToolCase{"ThreeArguments",       Args::Extra,       Input::Small,      Output::Absent,        2, "usage: tessellux-pack <input> <output>",         After::Absent},
    ToolCase{"Help",                 Args::Help,        Input::Small,      Output::Absent,        0, "",                                                After::Absent},
    ToolCase{"Small",                Args::InputOutput, Input::Small,      Output::Absent,        0, "",                                                After::Packed},
    ToolCase{"SmallReplacesOld",     Args::InputOutput, Input::Small,      Output::Old,           0, "",                                                After::Packed},
    ToolCase{"ExactlyTheBound",      Args::InputOutput, Input::AtBound,    Output::Absent,        0, "",                                                After::Packed},
    ToolCase{"OverTheBound",         Args::InputOutput, Input::OverBound,  Output::Absent,        1, "input is 2000001 bytes, larger than the 2000000 bytes the installer can unpack", After::Absent},
    ToolCase{"OverTheBoundKeepsOld", Args::InputOutput, Input::OverBound,  Output::Old,           1, "input is 2000001 bytes, larger than the 2000000", After::Old},
    ToolCase{"Empty",                Args::InputOutput, Input::Empty,      Output::Absent,        1, "input is empty",                                  After::Absent},
    ToolCase{"EmptyKeepsOld",        Args::InputOutput, Input::Empty,      Output::Old,           1, "input is empty",                                  After::Old},
    ToolCase{"Missing",              Args::InputOutput, Input::Missing,    Output::Absent,        1, "cannot read input",                               After::Absent},
    ToolCase{"MissingKeepsOld",      Args::InputOutput, Input::Missing,    Output::Old,           1, "No such file or directory",                       After::Old},
    ToolCase{"Directory",            Args::InputOutput, Input::Directory,  Output::Absent,        1, "cannot read input",                               After::Absent},
    ToolCase{"OutputDirMissing",     Args::InputOutput, Input::Small,      Output::InMissingDir,  1, "cannot write output",                             After::Absent},
    ToolCase{"OutputIsDirectory",    Args::InputOutput, Input::Small,      Output::IsDirectory,   1, "cannot write output",                             After::StillDirectory}),
    [](const testing::TestParamInfo<ToolCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(PackTool, ErrorsStartWithToolName) {
    std::string tmpl = (fs::path(testing::TempDir()) / "tessellux-pack-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    fs::path dir = tmpl;
    RunResult r = RunTool({(dir / "absent").string(), (dir / "out.z").string()}, dir);
    EXPECT_EQ(r.err.rfind("tessellux-pack: error: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find((dir / "absent").string()), std::string::npos) << "names the input";
    fs::remove_all(dir);
}
