#include "PayloadTestSupport.h"

#include "WHandle.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>

namespace {
struct FindCloser {
    HANDLE find;
    ~FindCloser() {
        if (find != INVALID_HANDLE_VALUE)
            FindClose(find);
    }
};

int windowsAttempted = 0;

LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        ++windowsAttempted;
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

ScratchFolder::ScratchFolder() {
    static unsigned serial = 0;
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    EXPECT_GT(length, 0u);
    char name[64];
    std::snprintf(name, sizeof name, "payload-%lu-%u-%lu", GetCurrentProcessId(), ++serial,
                  GetTickCount());
    path_ = std::string(temp, length) + name;
    EXPECT_TRUE(CreateDirectoryA(path_.c_str(), nullptr)) << path_ << " error " << GetLastError();
}

ScratchFolder::~ScratchFolder() {
    RemoveTree(path_);
}

void RemoveTree(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        for (const std::string& name : ListFolder(path))
            RemoveTree(path + "\\" + name);
        RemoveDirectoryA(path.c_str());
    } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
}

std::optional<Bytes> ReadBytes(const std::string& path) {
    WFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::nullopt;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size))
        return std::nullopt;
    Bytes bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size()))
        return std::nullopt;
    return bytes;
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    WFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << path << " error " << GetLastError();
    DWORD written = 0;
    ASSERT_TRUE(
        WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    ASSERT_EQ(bytes.size(), written);
}

std::vector<std::string> ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    FindCloser find{FindFirstFileA((folder + "\\*").c_str(), &found)};
    if (find.find == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(find.find, &found));
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<Bytes> ResourceBytes(const char* name) {
    HRSRC info = FindResourceA(nullptr, name, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!info)
        return std::nullopt;
    const DWORD size = SizeofResource(nullptr, info);
    const auto* first = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, info)));
    if (size != 0 && !first)
        return std::nullopt;
    return size == 0 ? Bytes() : Bytes(first, first + size);
}

Inflation InflateAll(const Bytes& stream) {
    Inflation out{{}, Z_STREAM_ERROR};
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return out;
    zs.next_in = const_cast<Bytef*>(stream.data());
    zs.avail_in = static_cast<uInt>(stream.size());
    std::uint8_t block[65536];
    do {
        zs.next_out = block;
        zs.avail_out = sizeof block;
        out.result = inflate(&zs, Z_NO_FLUSH);
        out.bytes.insert(out.bytes.end(), block, block + (sizeof block - zs.avail_out));
    } while (out.result == Z_OK);
    inflateEnd(&zs);
    return out;
}

std::uint32_t Adler32Of(const Bytes& bytes) {
    return static_cast<std::uint32_t>(
        adler32(adler32(0L, Z_NULL, 0), bytes.data(), static_cast<uInt>(bytes.size())));
}

std::uint32_t TrailerOf(const Bytes& stream) {
    if (stream.size() < 4)
        return 0;
    const std::uint8_t* t = stream.data() + stream.size() - 4;
    return (std::uint32_t(t[0]) << 24) | (std::uint32_t(t[1]) << 16) | (std::uint32_t(t[2]) << 8) |
           std::uint32_t(t[3]);
}

WindowCreationCounter::WindowCreationCounter()
    : hook_(SetWindowsHookExA(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId())) {
    EXPECT_NE(nullptr, hook_) << "error " << GetLastError();
    windowsAttempted = 0;
}

WindowCreationCounter::~WindowCreationCounter() {
    if (hook_)
        UnhookWindowsHookEx(hook_);
}

int WindowCreationCounter::Count() const {
    return windowsAttempted;
}

std::string FirstDifference(const Bytes& expected, const Bytes& actual) {
    const std::size_t common = std::min(expected.size(), actual.size());
    const auto mismatch =
        std::mismatch(expected.begin(), expected.begin() + common, actual.begin());
    const std::size_t at = static_cast<std::size_t>(mismatch.first - expected.begin());
    char text[160];
    if (at < common)
        std::snprintf(text, sizeof text, "sizes %zu/%zu, first difference at %zu: %02X vs %02X",
                      expected.size(), actual.size(), at, expected[at], actual[at]);
    else
        std::snprintf(text, sizeof text, "sizes %zu/%zu, equal over the first %zu bytes",
                      expected.size(), actual.size(), common);
    return text;
}
