#include "WFont.h"

#include <gtest/gtest.h>

#include <string>

namespace {
struct FontCase {
    const char* text;
    bool valid;
    int points;
    const char* face;
    bool bold, italic, underline, strikeout;
};

const FontCase kFontCases[] = {
    {"8.MS Sans Serif", true, 8, "MS Sans Serif", false, false, false, false},
    {"18.Arial.Bold.Italic", true, 18, "Arial", true, true, false, false},
    {"12.Courier New.Italic.Bold", true, 12, "Courier New", true, true, false, false},
    {"10.Arial.bold.UNDERLINE.Strikeout", true, 10, "Arial", true, false, true, true},
    {"9.Tahoma.Wide", true, 9, "Tahoma", false, false, false, false}, // unknown attribute ignored
    {"Arial.Bold", false, 0, "", false, false, false, false},
    {"8", false, 0, "", false, false, false, false},
    {"8.", false, 0, "", false, false, false, false},
    {"0.Arial", false, 0, "", false, false, false, false},
    {"-3.Arial", false, 0, "", false, false, false, false},
    {"8x.Arial", false, 0, "", false, false, false, false},
    {"", false, 0, "", false, false, false, false},
    {"8.ThisFaceNameIsFarTooLongForALogFont", false, 0, "", false, false, false, false},
};
} // namespace

TEST(FontDescription, ParsesSizeFaceAndAttributes) {
    for (const FontCase& c : kFontCases) {
        SCOPED_TRACE(c.text);
        WFont::Description d;
        d.points = -1;
        ASSERT_EQ(c.valid, WFont::Parse(c.text, d));
        if (!c.valid) {
            EXPECT_EQ(-1, d.points) << "a refused description must leave the output alone";
            continue;
        }
        EXPECT_EQ(c.points, d.points);
        EXPECT_STREQ(c.face, d.face.GetText());
        EXPECT_EQ(c.bold, d.bold);
        EXPECT_EQ(c.italic, d.italic);
        EXPECT_EQ(c.underline, d.underline);
        EXPECT_EQ(c.strikeout, d.strikeout);
    }
}

TEST(FontDescription, MapsToLogicalFont) {
    WFont::Description d;
    ASSERT_TRUE(WFont::Parse("18.Arial.Bold.Italic", d));
    const LOGFONTA at96 = WFont::ToLogFont(d, 96);
    EXPECT_EQ(-24, at96.lfHeight); // 18 pt at 96 dpi
    EXPECT_EQ(FW_BOLD, at96.lfWeight);
    EXPECT_TRUE(at96.lfItalic);
    EXPECT_STREQ("Arial", at96.lfFaceName);
    EXPECT_EQ(-36, WFont::ToLogFont(d, 144).lfHeight);

    ASSERT_TRUE(WFont::Parse("8.MS Sans Serif", d));
    EXPECT_EQ(FW_NORMAL, WFont::ToLogFont(d, 96).lfWeight);
    EXPECT_FALSE(WFont::ToLogFont(d, 96).lfItalic);
}

TEST(FontDescription, CreatesAFontOnlyForAValidDescription) {
    EXPECT_TRUE(WFont("18.Arial.Bold.Italic").IsValid());
    EXPECT_FALSE(WFont("Arial").IsValid());
}
