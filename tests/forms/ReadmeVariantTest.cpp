// Built into programs whose RES_RTF is missing or empty.
#include "MainWindowFixture.h"

namespace {
using ReadmeVariantTest = MainWindowFixture;
}

TEST_F(ReadmeVariantTest, WindowOpensWithAnEmptyReadmeAndNoMessage) {
    EXPECT_TRUE(IsWindowVisible(form));
    EXPECT_EQ("", TextOf(Item(IDC_README)));
    EXPECT_EQ(0, CountMessageBoxes());
    // The rest of the set-up went on.
    EXPECT_EQ("Written by Orrinwald\r\nsupport@tessellux.example", TextOf(Item(IDC_CREDITS)));
}
