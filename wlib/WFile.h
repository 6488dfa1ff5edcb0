#pragma once
// Files written through the Win32 API, in binary: bytes reach the disk exactly as given.
#include "WFilePath.h"
#include "WHandle.h"

#include <cstddef>
#include <utility>

// A file opened for writing. The handle is closed by Close or, failing that, the destructor.
class WFile {
public:
    WFile() = default;
    WFile(const WFile&) = delete;
    WFile& operator=(const WFile&) = delete;
    WFile(WFile&&) = default;
    WFile& operator=(WFile&&) = default;

    // Creates the file, or truncates the one there (CREATE_ALWAYS), shared with nobody.
    // False when it cannot be opened: a read-only file or a directory stays as it was.
    [[nodiscard]] bool Create(const WFilePath& path);
    // Creates the file only where nothing exists yet (CREATE_NEW); GetLastError tells why not.
    [[nodiscard]] bool CreateNew(const WFilePath& path);
    // Appends all `size` bytes; false on an error or a short write.
    [[nodiscard]] bool Write(const void* data, std::size_t size);
    // False when the system reports an error on closing, or nothing was open.
    [[nodiscard]] bool Close();

    bool IsOpen() const { return static_cast<bool>(file_); }

private:
    WFileHandle file_;
};

// A file written whole or not at all. The bytes go to a temporary file in the target's
// directory, which Commit renames over the target once every byte is written and the file
// closed. Until then the target is untouched; a replacement not committed deletes its
// temporary file, so a failure at any step leaves the target as it was.
class WFileReplacement {
public:
    explicit WFileReplacement(WFilePath target) : target_(std::move(target)) {}
    WFileReplacement(const WFileReplacement&) = delete;
    WFileReplacement& operator=(const WFileReplacement&) = delete;
    ~WFileReplacement() { Discard(); }

    // Creates the temporary file; false when the target's directory refuses it.
    [[nodiscard]] bool Open();
    [[nodiscard]] bool Write(const void* data, std::size_t size) { return file_.Write(data, size); }
    // Closes the temporary file and moves it over the target, which may exist if it is an
    // ordinary writable file. False, with the target untouched, otherwise.
    [[nodiscard]] bool Commit();

private:
    void Discard();

    WFilePath target_;
    WFilePath temporary_;
    WFile file_;
};
