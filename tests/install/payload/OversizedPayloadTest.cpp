// A well-formed RES_SCR that inflates to 2,000,001 bytes, one more than the buffer, and no
// RES_HLP at all (NoHelp.rc).
#include "ExtractionFixture.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace {
using OversizedPayloadTest = ExtractionFixture;
} // namespace

TEST_F(OversizedPayloadTest, FixtureIsWellFormedButOneByteTooLarge) {
    const std::optional<Bytes> packed = ResourceBytes("RES_SCR");
    ASSERT_TRUE(packed.has_value());
    const Inflation inflation = InflateAll(*packed);
    EXPECT_EQ(Z_STREAM_END, inflation.result);
    EXPECT_EQ(2'000'001u, inflation.bytes.size());
    EXPECT_EQ(TrailerOf(*packed), Adler32Of(inflation.bytes));
}

TEST_F(OversizedPayloadTest, OversizedScreenSaverWritesNothing) {
    EXPECT_FALSE(form.ExtractScreenSaver());

    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(screenSaverPath.c_str()));
    EXPECT_TRUE(ListFolder(folder.Path()).empty());
}

TEST_F(OversizedPayloadTest, MissingHelpResourceLeavesAnEmptyHelpFile) {
    ASSERT_FALSE(ResourceBytes("RES_HLP").has_value()) << "RES_HLP should not exist";

    form.ExtractHelpFile();

    const std::optional<Bytes> written = ReadBytes(helpFilePath);
    ASSERT_TRUE(written.has_value()) << "no help file";
    EXPECT_EQ(0u, written->size());
}
