#include "PayloadPack.h"

#include <cstring>
#include <zlib.h>

namespace tessellux {

namespace {

std::string SizeText(std::size_t n) {
    return std::to_string(n) + " bytes";
}

} // namespace

std::vector<std::uint8_t> PackPayload(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        throw PackError(PackErrc::Empty, "input is empty; there is nothing to pack");
    if (size > kMaxInflatedSize)
        throw PackError(PackErrc::TooLarge, "input is " + SizeText(size) + ", larger than the " +
                                                SizeText(kMaxInflatedSize) +
                                                " the installer can unpack");

    // The default level is what makes zlib write FLG 9C (level 9 would write DA); the
    // installer checks for 78 9C, and level 9 saves well under 1% on a program.
    uLongf packedSize = compressBound(static_cast<uLong>(size));
    std::vector<std::uint8_t> stream(packedSize);
    int rc = compress2(stream.data(), &packedSize, data, static_cast<uLong>(size),
                       Z_DEFAULT_COMPRESSION);
    if (rc != Z_OK)
        throw PackError(PackErrc::Deflate,
                        std::string("zlib could not compress the input: ") + zError(rc));
    stream.resize(packedSize);

    VerifyPayload(stream, data, size);
    return stream;
}

void VerifyPayload(const std::vector<std::uint8_t>& stream, const std::uint8_t* original,
                   std::size_t size) {
    auto fail = [](const std::string& why) {
        throw PackError(PackErrc::Verify, "packed stream failed verification: " + why);
    };
    if (stream.size() < 6 || stream[0] != 0x78 || stream[1] != 0x9C)
        fail("it does not begin with 78 9C");

    // uncompress alone would accept bytes after the stream, so inflate by hand and insist the
    // stream ends exactly at the last byte.
    std::vector<std::uint8_t> out(kMaxInflatedSize);
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        fail("zlib could not start inflating");
    zs.next_in = const_cast<Bytef*>(stream.data());
    zs.avail_in = static_cast<uInt>(stream.size());
    zs.next_out = out.data();
    zs.avail_out = static_cast<uInt>(out.size());
    int rc = inflate(&zs, Z_FINISH);
    std::size_t produced = zs.total_out;
    uInt leftIn = zs.avail_in;
    std::string zmsg = zs.msg ? zs.msg : zError(rc);
    inflateEnd(&zs);
    if (rc != Z_STREAM_END)
        fail("it does not inflate within " + SizeText(kMaxInflatedSize) + " (" + zmsg + ")");
    if (leftIn != 0)
        fail("bytes follow the end of the stream");

    // The same check the installer makes.
    uLongf plainSize = static_cast<uLongf>(out.size());
    if (uncompress(out.data(), &plainSize, stream.data(), static_cast<uLong>(stream.size())) !=
        Z_OK)
        fail("uncompress refused it");
    if (plainSize != size || produced != size || std::memcmp(out.data(), original, size) != 0)
        fail("it does not inflate to the input");

    uLong adler = adler32(adler32(0L, Z_NULL, 0), original, static_cast<uInt>(size));
    const std::uint8_t* tail = stream.data() + stream.size() - 4;
    uLong stored =
        (uLong(tail[0]) << 24) | (uLong(tail[1]) << 16) | (uLong(tail[2]) << 8) | uLong(tail[3]);
    if (stored != adler)
        fail("it does not end with the Adler-32 of the input");
}

} // namespace tessellux
