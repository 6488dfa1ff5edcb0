// tessellux-pack <input> <output>: writes the zlib stream of input to output, for RES_SCR.
#include "PayloadPack.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kUsage = "usage: tessellux-pack <input> <output>\n"
                               "Writes one zlib stream of <input> (at most 2000000 bytes) to "
                               "<output>.\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "tessellux-pack: error: %s\n", message.c_str());
    return 1;
}

// Reads at most limit + 1 bytes, so an oversized input is known without reading it all.
bool ReadInput(const char* path, std::size_t limit, std::vector<std::uint8_t>& data,
               std::string& error) {
    std::FILE* f = std::fopen(path, "rb");
    if (!f) {
        error = std::strerror(errno);
        return false;
    }
    data.resize(limit + 1);
    std::size_t got = 0;
    while (got < data.size()) {
        std::size_t n = std::fread(data.data() + got, 1, data.size() - got, f);
        if (n == 0)
            break;
        got += n;
    }
    bool bad = std::ferror(f) != 0;
    int readErrno = errno;
    std::fclose(f);
    if (bad) {
        error = std::strerror(readErrno);
        return false;
    }
    data.resize(got);
    return true;
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Temp file beside output, then rename: a failed run leaves output as it was.
bool WriteAtomically(const std::string& output, const std::vector<std::uint8_t>& data,
                     std::string& error) {
    std::string temp = output + ".tmp.XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    // mkstemp makes the file 0600; a build output is normally world-readable.
    ::fchmod(fd, 0644);
    bool ok = WriteAll(fd, data) && ::fsync(fd) == 0;
    int savedErrno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (ok && std::rename(temp.c_str(), output.c_str()) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        error = std::strerror(savedErrno);
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc != 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string input = argv[1];
    const std::string output = argv[2];

    std::vector<std::uint8_t> data;
    std::string error;
    if (!ReadInput(input.c_str(), tessellux::kMaxInflatedSize, data, error))
        return Fail("cannot read input " + input + ": " + error);

    std::vector<std::uint8_t> stream;
    try {
        stream = tessellux::PackPayload(data);
    } catch (const tessellux::PackError& e) {
        std::string what = e.what();
        // Only limit + 1 bytes were read, so take the real size from the file system.
        if (e.Code() == tessellux::PackErrc::TooLarge) {
            std::error_code ec;
            auto size = std::filesystem::file_size(input, ec);
            what = "input is " + (ec ? std::string() : std::to_string(size) + " bytes, ") +
                   "larger than the " + std::to_string(tessellux::kMaxInflatedSize) +
                   " bytes the installer can unpack";
        }
        return Fail(input + ": " + what);
    }

    if (!WriteAtomically(output, stream, error))
        return Fail("cannot write output " + output + ": " + error);
    return 0;
}
