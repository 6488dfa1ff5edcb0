// ExtractScreenSaver and ExtractHelpFile with the installer's own RES_SCR and RES_HLP.
#include "ExtractionFixture.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>

namespace {
class ExtractionTest : public ExtractionFixture {
protected:
    void SetUp() override {
        ExtractionFixture::SetUp();
        const std::optional<Bytes> stream = ResourceBytes("RES_SCR");
        ASSERT_TRUE(stream.has_value());
        packed = *stream;
        const Inflation inflation = InflateAll(packed);
        ASSERT_EQ(Z_STREAM_END, inflation.result);
        screenSaver = inflation.bytes;
        ASSERT_LE(screenSaver.size(), 2'000'000u);

        const std::optional<Bytes> help = ResourceBytes("RES_HLP");
        ASSERT_TRUE(help.has_value());
        helpFile = *help;
    }

    Bytes packed;
    Bytes screenSaver;
    Bytes helpFile;
};

std::uint32_t LittleEndian32(const Bytes& bytes, std::size_t at) {
    return std::uint32_t(bytes[at]) | (std::uint32_t(bytes[at + 1]) << 8) |
           (std::uint32_t(bytes[at + 2]) << 16) | (std::uint32_t(bytes[at + 3]) << 24);
}
} // namespace

TEST_F(ExtractionTest, ScreenSaverIsTheInflatedResource) {
    ASSERT_TRUE(form.ExtractScreenSaver());

    const std::optional<Bytes> written = ReadBytes(screenSaverPath);
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(screenSaver.size(), written->size());
    EXPECT_EQ(TrailerOf(packed), Adler32Of(*written))
        << std::hex << "trailer " << TrailerOf(packed) << ", file " << Adler32Of(*written);
    EXPECT_TRUE(screenSaver == *written) << FirstDifference(screenSaver, *written);
    ASSERT_GE(written->size(), 2u);
    EXPECT_EQ(0, std::memcmp(written->data(), "MZ", 2)) << "not a program";
}

TEST_F(ExtractionTest, ScreenSaverIsAnOrdinaryFileAndNothingElseIsLeft) {
    ASSERT_TRUE(form.ExtractScreenSaver());

    const DWORD attributes = GetFileAttributesA(screenSaverPath.c_str());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes);
    EXPECT_EQ(0u, attributes & kUnordinaryAttributes) << std::hex << attributes;
    EXPECT_EQ(std::vector<std::string>{"Tessellux.scr"}, ListFolder(folder.Path()));
}

TEST_F(ExtractionTest, HelpFileIsTheResourceByteForByte) {
    form.ExtractHelpFile();

    const std::optional<Bytes> written = ReadBytes(helpFilePath);
    ASSERT_TRUE(written.has_value());
    EXPECT_TRUE(helpFile == *written) << FirstDifference(helpFile, *written);
    ASSERT_GE(written->size(), 8u);
    EXPECT_EQ(0, std::memcmp(written->data(), "ITSF", 4));
    EXPECT_EQ(3u, LittleEndian32(*written, 4));
    const DWORD attributes = GetFileAttributesA(helpFilePath.c_str());
    EXPECT_EQ(0u, attributes & kUnordinaryAttributes) << std::hex << attributes;
}

TEST_F(ExtractionTest, LongerScreenSaverFileIsReplaced) {
    WriteBytes(screenSaverPath, Bytes(screenSaver.size() + 100'000, 0xEE));

    ASSERT_TRUE(form.ExtractScreenSaver());

    const std::optional<Bytes> written = ReadBytes(screenSaverPath);
    ASSERT_TRUE(written.has_value());
    EXPECT_TRUE(screenSaver == *written) << FirstDifference(screenSaver, *written);
}

TEST_F(ExtractionTest, LongerHelpFileIsTruncated) {
    WriteBytes(helpFilePath, Bytes(helpFile.size() + 100'000, 0xEE));

    form.ExtractHelpFile();

    const std::optional<Bytes> written = ReadBytes(helpFilePath);
    ASSERT_TRUE(written.has_value());
    EXPECT_TRUE(helpFile == *written) << FirstDifference(helpFile, *written);
}

TEST_F(ExtractionTest, ReadOnlyHelpFileStaysAsItWasWithoutAMessage) {
    const Bytes old = {'o', 'l', 'd', '\r', '\n'};
    WriteBytes(helpFilePath, old);
    ASSERT_TRUE(SetFileAttributesA(helpFilePath.c_str(), FILE_ATTRIBUTE_READONLY));
    const DWORD before = GetFileAttributesA(helpFilePath.c_str());

    WindowCreationCounter windows;
    form.ExtractHelpFile();

    EXPECT_EQ(0, windows.Count());
    EXPECT_EQ(before, GetFileAttributesA(helpFilePath.c_str()));
    const std::optional<Bytes> after = ReadBytes(helpFilePath);
    ASSERT_TRUE(after.has_value());
    EXPECT_TRUE(old == *after) << FirstDifference(old, *after);
    EXPECT_EQ(std::vector<std::string>{"Tessellux.chm"}, ListFolder(folder.Path()));
}

TEST_F(ExtractionTest, ReadOnlyScreenSaverFileStaysAsItWas) {
    const Bytes old = {'o', 'l', 'd'};
    WriteBytes(screenSaverPath, old);
    ASSERT_TRUE(SetFileAttributesA(screenSaverPath.c_str(), FILE_ATTRIBUTE_READONLY));
    const DWORD before = GetFileAttributesA(screenSaverPath.c_str());

    EXPECT_FALSE(form.ExtractScreenSaver());

    EXPECT_EQ(before, GetFileAttributesA(screenSaverPath.c_str()));
    const std::optional<Bytes> after = ReadBytes(screenSaverPath);
    ASSERT_TRUE(after.has_value());
    EXPECT_TRUE(old == *after) << FirstDifference(old, *after);
    EXPECT_EQ(std::vector<std::string>{"Tessellux.scr"}, ListFolder(folder.Path()));
}

TEST_F(ExtractionTest, DirectoryAtScreenSaverPathIsLeftAlone) {
    for (const bool empty : {false, true}) {
        SCOPED_TRACE(empty ? "empty directory" : "directory with a file");
        ASSERT_TRUE(CreateDirectoryA(screenSaverPath.c_str(), nullptr));
        const Bytes kept = {'k', 'e', 'p', 't'};
        if (!empty)
            WriteBytes(screenSaverPath + "\\kept.txt", kept);
        const std::vector<std::string> contents = ListFolder(screenSaverPath);

        EXPECT_FALSE(form.ExtractScreenSaver());

        const DWORD attributes = GetFileAttributesA(screenSaverPath.c_str());
        ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes);
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << std::hex << attributes;
        EXPECT_EQ(contents, ListFolder(screenSaverPath));
        if (!empty) {
            EXPECT_EQ(kept, ReadBytes(screenSaverPath + "\\kept.txt").value_or(Bytes()));
        }
        EXPECT_EQ(std::vector<std::string>{"Tessellux.scr"}, ListFolder(folder.Path()));
        RemoveTree(screenSaverPath);
    }
}

TEST_F(ExtractionTest, ScreenSaverPathInAMissingFolderFails) {
    const std::string missing = folder / "missing";
    form.SetScreenSaverPath((missing + "\\Tessellux.scr").c_str());

    EXPECT_FALSE(form.ExtractScreenSaver());

    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(missing.c_str()));
    EXPECT_TRUE(ListFolder(folder.Path()).empty());
}
