// RES_SCR and RES_HLP made only of CR, LF, EOF (1A) and NUL bytes: a text-mode write would
// add or drop bytes. RES_SCR inflates to exactly 2,000,000 bytes, the whole output buffer.
#include "ExtractionFixture.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>

namespace {
class BinaryPayloadTest : public ExtractionFixture {
protected:
    void SetUp() override {
        ExtractionFixture::SetUp();
        // RES_HLP is the raw fixture that RES_SCR packs.
        const std::optional<Bytes> raw = ResourceBytes("RES_HLP");
        ASSERT_TRUE(raw.has_value());
        fixture = *raw;
    }

    Bytes fixture;
};

std::size_t CountOf(const Bytes& bytes, const Bytes& pattern) {
    std::size_t count = 0;
    for (auto at = bytes.begin();
         (at = std::search(at, bytes.end(), pattern.begin(), pattern.end())) != bytes.end(); ++at)
        ++count;
    return count;
}
} // namespace

TEST_F(BinaryPayloadTest, FixtureIsWhatTheTestsAssume) {
    EXPECT_EQ(2'000'000u, fixture.size());
    EXPECT_TRUE(std::all_of(fixture.begin(), fixture.end(), [](std::uint8_t b) {
        return b == 0x0D || b == 0x0A || b == 0x1A || b == 0x00;
    }));
    EXPECT_GT(CountOf(fixture, {0x0D, 0x0A}), 10'000u);
    EXPECT_GT(CountOf(fixture, {0x00, 0x0A}), 10'000u);      // a lone LF
    EXPECT_GT(CountOf(fixture, {0x0D, 0x0D, 0x0A}), 1'000u); // CR before CR LF
    EXPECT_GT(CountOf(fixture, {0x1A}), 10'000u);

    const std::optional<Bytes> packed = ResourceBytes("RES_SCR");
    ASSERT_TRUE(packed.has_value());
    const Inflation inflation = InflateAll(*packed);
    EXPECT_EQ(Z_STREAM_END, inflation.result);
    EXPECT_TRUE(fixture == inflation.bytes) << FirstDifference(fixture, inflation.bytes);
}

TEST_F(BinaryPayloadTest, ScreenSaverBytesPassUnchanged) {
    ASSERT_TRUE(form.ExtractScreenSaver());

    const std::optional<Bytes> written = ReadBytes(screenSaverPath);
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(fixture.size(), written->size());
    EXPECT_TRUE(fixture == *written) << FirstDifference(fixture, *written);
}

TEST_F(BinaryPayloadTest, HelpFileBytesPassUnchanged) {
    form.ExtractHelpFile();

    const std::optional<Bytes> written = ReadBytes(helpFilePath);
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(fixture.size(), written->size());
    EXPECT_TRUE(fixture == *written) << FirstDifference(fixture, *written);
}
