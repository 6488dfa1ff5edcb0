// Built into a program whose picture is 200 x 60 pixels instead of 152 x 112.
#include "MainWindowFixture.h"

namespace {
using PictureVariantTest = MainWindowFixture;
}

TEST_F(PictureVariantTest, TextBoxesFollowAPictureOfAnotherSize) {
    const WRect picture = ChildRect(Item(IDC_PICTURE));
    EXPECT_EQ(204, picture.width);
    EXPECT_EQ(64, picture.height);
    EXPECT_EQ(picture.left + 204 + 25, ChildRect(Item(IDC_EXPLANATION)).left);
    const WRect credits = ChildRect(Item(IDC_CREDITS));
    EXPECT_EQ(picture.left, credits.left);
    EXPECT_EQ(picture.top + 64 + 10, credits.top);
    EXPECT_EQ(214, credits.width);
}
