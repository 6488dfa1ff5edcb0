#include "PayloadPack.h"

#include <gtest/gtest.h>

#include <random>
#include <zlib.h>

using tessellux::kMaxInflatedSize;
using tessellux::PackErrc;
using tessellux::PackError;
using tessellux::PackPayload;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes RandomBytes(std::size_t n, unsigned seed = 1) {
    std::mt19937 gen(seed);
    Bytes b(n);
    for (auto& x : b)
        x = static_cast<std::uint8_t>(gen());
    return b;
}

// Something shaped like a program: repeated structure with noise.
Bytes ProgramLike(std::size_t n) {
    Bytes b = RandomBytes(n, 7);
    for (std::size_t i = 0; i < n; ++i)
        if (i % 3 != 0)
            b[i] = static_cast<std::uint8_t>("MZ\x90\0PE\0\0.text"[i % 12]);
    return b;
}

Bytes Inflate(const Bytes& stream) {
    Bytes out(kMaxInflatedSize);
    uLongf size = out.size();
    int rc = uncompress(out.data(), &size, stream.data(), stream.size());
    EXPECT_EQ(rc, Z_OK);
    out.resize(rc == Z_OK ? size : 0);
    return out;
}

PackErrc ErrcOf(const Bytes& input) {
    try {
        PackPayload(input);
    } catch (const PackError& e) {
        return e.Code();
    }
    ADD_FAILURE() << "input of " << input.size() << " bytes was not refused";
    return PackErrc::Verify;
}

class PackInputs : public testing::TestWithParam<std::size_t> {
protected:
    Bytes Input() const {
        std::size_t n = GetParam();
        return n % 2 ? RandomBytes(n) : ProgramLike(n);
    }
};

} // namespace

TEST_P(PackInputs, HeaderIs789CWithValidCheck) {
    Bytes s = PackPayload(Input());
    ASSERT_GE(s.size(), 6u);
    EXPECT_EQ(s[0], 0x78);
    EXPECT_EQ(s[1], 0x9C);
    EXPECT_EQ((s[0] * 256 + s[1]) % 31, 0);
    EXPECT_EQ(s[1] & 0x20, 0) << "no preset dictionary";
}

TEST_P(PackInputs, EndsWithBigEndianAdler32OfInput) {
    Bytes in = Input();
    Bytes s = PackPayload(in);
    uLong a = adler32(adler32(0L, Z_NULL, 0), in.data(), static_cast<uInt>(in.size()));
    ASSERT_GE(s.size(), 4u);
    const std::uint8_t* t = s.data() + s.size() - 4;
    EXPECT_EQ(t[0], (a >> 24) & 0xFF);
    EXPECT_EQ(t[1], (a >> 16) & 0xFF);
    EXPECT_EQ(t[2], (a >> 8) & 0xFF);
    EXPECT_EQ(t[3], a & 0xFF);
}

TEST_P(PackInputs, RoundTripsExactlyThroughUncompress) {
    Bytes in = Input();
    EXPECT_EQ(Inflate(PackPayload(in)), in);
}

TEST_P(PackInputs, IsOneStreamWithNothingAfterIt) {
    Bytes s = PackPayload(Input());
    z_stream zs{};
    ASSERT_EQ(inflateInit(&zs), Z_OK);
    Bytes out(kMaxInflatedSize);
    zs.next_in = s.data();
    zs.avail_in = static_cast<uInt>(s.size());
    zs.next_out = out.data();
    zs.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(inflate(&zs, Z_FINISH), Z_STREAM_END);
    EXPECT_EQ(zs.avail_in, 0u);
    inflateEnd(&zs);
}

TEST_P(PackInputs, IsDeterministic) {
    Bytes in = Input();
    EXPECT_EQ(PackPayload(in), PackPayload(in));
}

INSTANTIATE_TEST_SUITE_P(Sizes, PackInputs,
                         testing::Values(std::size_t{1}, std::size_t{2}, std::size_t{1000},
                                         std::size_t{65537}, std::size_t{186368},
                                         std::size_t{1999999}, kMaxInflatedSize),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                             return "Bytes" + std::to_string(info.param);
                         });

TEST(PackPayload, RefusesEmptyInput) {
    EXPECT_EQ(ErrcOf({}), PackErrc::Empty);
    EXPECT_THROW(PackPayload(nullptr, 0), PackError);
}

TEST(PackPayload, AcceptsExactlyTheBound) {
    Bytes in(kMaxInflatedSize, 0xAB);
    EXPECT_EQ(Inflate(PackPayload(in)), in);
}

TEST(PackPayload, RefusesOneByteOverTheBound) {
    EXPECT_EQ(ErrcOf(Bytes(kMaxInflatedSize + 1, 0xAB)), PackErrc::TooLarge);
}

TEST(PackPayload, TooLargeMessageNamesBothSizes) {
    try {
        PackPayload(Bytes(kMaxInflatedSize + 1));
        FAIL();
    } catch (const PackError& e) {
        EXPECT_NE(std::string(e.what()).find("2000001 bytes"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("2000000 bytes"), std::string::npos) << e.what();
    }
}

TEST(PackPayload, BoundIsTwoMillionBytes) {
    EXPECT_EQ(kMaxInflatedSize, 2'000'000u);
}

TEST(VerifyPayload, RejectsDamagedStreams) {
    Bytes in = ProgramLike(5000);
    Bytes good = PackPayload(in);
    EXPECT_NO_THROW(tessellux::VerifyPayload(good, in.data(), in.size()));

    auto rejected = [&](Bytes s) {
        try {
            tessellux::VerifyPayload(s, in.data(), in.size());
        } catch (const PackError& e) {
            return e.Code() == PackErrc::Verify;
        }
        return false;
    };
    Bytes trailing = good;
    trailing.push_back(0);
    EXPECT_TRUE(rejected(trailing)) << "byte after the stream";
    Bytes truncated(good.begin(), good.end() - 1);
    EXPECT_TRUE(rejected(truncated));
    Bytes badAdler = good;
    badAdler.back() ^= 1;
    EXPECT_TRUE(rejected(badAdler));
    Bytes level9Header = good;
    level9Header[1] = 0xDA;
    EXPECT_TRUE(rejected(level9Header));
    Bytes other = in;
    other[10] ^= 1;
    EXPECT_TRUE(rejected(PackPayload(other))) << "stream of different bytes";
}
