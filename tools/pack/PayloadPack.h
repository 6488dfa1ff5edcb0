#pragma once
// Packs the screen saver program into the zlib stream the installer carries as RES_SCR.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessellux {

// The installer inflates RES_SCR into a buffer of this many bytes; a larger program cannot
// be unpacked there, so it must never be packed.
inline constexpr std::size_t kMaxInflatedSize = 2'000'000;

enum class PackErrc { Empty, TooLarge, Deflate, Verify };

class PackError : public std::runtime_error {
public:
    PackError(PackErrc code, const std::string& message)
        : std::runtime_error(message), code_(code) {}
    PackErrc Code() const noexcept { return code_; }

private:
    PackErrc code_;
};

// One complete zlib stream of data: 78 9C header, deflate data, big-endian Adler-32 of data
// as the last four bytes. Refuses empty and oversized input; verifies before returning.
// Throws PackError.
std::vector<std::uint8_t> PackPayload(const std::uint8_t* data, std::size_t size);

inline std::vector<std::uint8_t> PackPayload(const std::vector<std::uint8_t>& data) {
    return PackPayload(data.data(), data.size());
}

// Throws PackError(Verify) unless stream is exactly one zlib stream with header 78 9C that
// inflates, within kMaxInflatedSize, to the size bytes at original.
void VerifyPayload(const std::vector<std::uint8_t>& stream, const std::uint8_t* original,
                   std::size_t size);

} // namespace tessellux
