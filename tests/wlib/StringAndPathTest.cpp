#include "WFilePath.h"
#include "WString.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(String, TrimRemovesOnlySpacesAtBothEnds) {
    const struct {
        const char* text;
        const char* trimmed;
    } cases[] = {
        {"", ""},
        {"   ", ""},
        {"C:\\WINDOWS\\TESS~1.SCR", "C:\\WINDOWS\\TESS~1.SCR"},
        {"  C:\\A B\\x.scr  ", "C:\\A B\\x.scr"},
        {"\tC:\\x.scr\t", "\tC:\\x.scr\t"},
        {" \tx\t ", "\tx\t"},
        {"x ", "x"},
    };
    for (const auto& c : cases) {
        WString s(c.text);
        EXPECT_STREQ(c.trimmed, s.Trim().GetText()) << '"' << c.text << '"';
    }
}

TEST(String, ConcatenatesWithoutChangingEitherPart) {
    const WString dir("C:\\WINDOWS\\");
    EXPECT_STREQ("C:\\WINDOWS\\\\Tessellux.scr", (dir + "\\" + "Tessellux.scr").GetText());
    EXPECT_EQ(dir.GetLength() + 14, (dir + "\\Tessellux.scr").GetLength());
}

TEST(FilePath, KnowsItsParts) {
    const struct {
        const char* path;
        const char *drive, *directory, *name, *extension;
    } cases[] = {
        {"C:\\WINDOWS\\Tessellux.scr", "C:", "\\WINDOWS\\", "Tessellux", ".scr"},
        {"C:\\WINDOWS", "C:", "\\", "WINDOWS", ""},
        {"Tessellux.scr", "", "", "Tessellux", ".scr"},
        {"C:\\My.Dir\\file", "C:", "\\My.Dir\\", "file", ""},
        {"\\\\server\\share\\a\\b.chm", "\\\\server\\share", "\\a\\", "b", ".chm"},
        {"C:\\WINDOWS\\\\Tessellux.scr", "C:", "\\WINDOWS\\\\", "Tessellux", ".scr"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const WFilePath p(c.path);
        EXPECT_STREQ(c.path, p.GetText());
        EXPECT_STREQ(c.drive, p.GetDrive().GetText());
        EXPECT_STREQ(c.directory, p.GetDirectory().GetText());
        EXPECT_STREQ(c.name, p.GetFileName().GetText());
        EXPECT_STREQ(c.extension, p.GetExtension().GetText());
    }
}

TEST(FilePath, ExistsForFilesAndDirectories) {
    char windows[MAX_PATH];
    ASSERT_NE(0u, GetWindowsDirectoryA(windows, MAX_PATH));
    EXPECT_TRUE(WFilePath(windows).Exists());
    EXPECT_TRUE(WFilePath((WString(windows) + "\\system32\\kernel32.dll")).Exists());
    EXPECT_FALSE(WFilePath((WString(windows) + "\\no-such-file.xyz")).Exists());
}
