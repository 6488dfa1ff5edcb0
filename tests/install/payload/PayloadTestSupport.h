#pragma once
// Helpers of the payload tests: a scratch folder, files read and written through Win32, the
// test executable's own resources, and an independent inflater to compare with.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// A fresh folder under GetTempPath, removed with everything in it (read-only files too).
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// The file's bytes; nothing when it cannot be opened (missing, a directory...).
std::optional<Bytes> ReadBytes(const std::string& path);
// Creates or truncates; asserts through GoogleTest that every byte was written.
void WriteBytes(const std::string& path, const Bytes& bytes);
// Names in a folder, sorted, without "." and "..".
std::vector<std::string> ListFolder(const std::string& folder);
void RemoveTree(const std::string& path);

// The RT_RCDATA resource of the test executable; nothing when it does not exist.
std::optional<Bytes> ResourceBytes(const char* name);

// Inflates a zlib stream with inflate() in steps and no size limit, so it shares nothing
// with the one-call uncompress under test. `result` is inflate's last return code.
struct Inflation {
    Bytes bytes;
    int result;
};
Inflation InflateAll(const Bytes& stream);

std::uint32_t Adler32Of(const Bytes& bytes);
// The big-endian Adler-32 that ends a zlib stream.
std::uint32_t TrailerOf(const Bytes& stream);

// File attributes that an ordinary, writable file must not have.
constexpr DWORD kUnordinaryAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                        FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY |
                                        FILE_ATTRIBUTE_TEMPORARY;

// While alive, refuses every window the thread tries to create and counts the attempts, so a
// message box would neither block the test nor pass unseen.
class WindowCreationCounter {
public:
    WindowCreationCounter();
    ~WindowCreationCounter();
    WindowCreationCounter(const WindowCreationCounter&) = delete;
    WindowCreationCounter& operator=(const WindowCreationCounter&) = delete;

    int Count() const;

private:
    HHOOK hook_;
};

// Readable failure output for byte comparisons: the first difference, not two megabytes.
std::string FirstDifference(const Bytes& expected, const Bytes& actual);
