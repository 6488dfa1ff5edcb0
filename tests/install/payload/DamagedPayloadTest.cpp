// A RES_SCR whose Adler-32 trailer is wrong (every byte inflates; only the check at the very
// end fails), and an empty RES_HLP.
#include "ExtractionFixture.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace {
using DamagedPayloadTest = ExtractionFixture;
} // namespace

TEST_F(DamagedPayloadTest, FixtureIsDamagedOnlyAtTheEnd) {
    const std::optional<Bytes> packed = ResourceBytes("RES_SCR");
    ASSERT_TRUE(packed.has_value());
    const Inflation inflation = InflateAll(*packed);
    EXPECT_EQ(Z_DATA_ERROR, inflation.result);
    EXPECT_EQ(100'000u, inflation.bytes.size());
    EXPECT_NE(TrailerOf(*packed), Adler32Of(inflation.bytes));
}

TEST_F(DamagedPayloadTest, DamagedScreenSaverWritesNothing) {
    EXPECT_FALSE(form.ExtractScreenSaver());

    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(screenSaverPath.c_str()));
    EXPECT_TRUE(ListFolder(folder.Path()).empty());
}

TEST_F(DamagedPayloadTest, EmptyHelpResourceLeavesAnEmptyHelpFile) {
    const std::optional<Bytes> help = ResourceBytes("RES_HLP");
    ASSERT_TRUE(help.has_value()) << "RES_HLP should exist, empty";
    ASSERT_TRUE(help->empty());

    form.ExtractHelpFile();

    const std::optional<Bytes> written = ReadBytes(helpFilePath);
    ASSERT_TRUE(written.has_value()) << "no help file";
    EXPECT_EQ(0u, written->size());
}

TEST_F(DamagedPayloadTest, EmptyHelpResourceEmptiesAnExistingHelpFile) {
    WriteBytes(helpFilePath, Bytes(1000, 'x'));

    form.ExtractHelpFile();

    const std::optional<Bytes> written = ReadBytes(helpFilePath);
    ASSERT_TRUE(written.has_value()) << "no help file";
    EXPECT_EQ(0u, written->size());
}
