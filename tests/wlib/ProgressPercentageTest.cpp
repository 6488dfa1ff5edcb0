#include "WProgressBar.h"

#include <gtest/gtest.h>

namespace {
struct PercentageCase {
    int minimum, maximum, position, width;
    int split;
    const char* text;
};

const PercentageCase kCases[] = {
    {0, 100, 0, 150, 0, "  0%"},
    {0, 100, 20, 150, 30, " 20%"},
    {0, 100, 50, 150, 75, " 50%"},
    {0, 100, 90, 151, 135, " 90%"}, // 151 * 90 / 100 = 135.9, truncated
    {0, 100, 100, 150, 150, "100%"},
    {0, 100, 33, 10, 3, " 33%"},
    {10, 20, 15, 100, 50, " 50%"}, // measured from the minimum
    {0, 3, 1, 100, 33, " 33%"},    // integer division everywhere
    {0, 3, 2, 100, 66, " 66%"},
    {5, 5, 5, 80, 0, "  0%"}, // empty range counts as 1
    {5, 5, 6, 80, 80, "100%"},
    {0, 100, -20, 100, -20, "  0%"}, // text limited to 0..100
    {0, 100, 150, 100, 150, "100%"},
    {0, 1000, 999, 200, 199, " 99%"},
    {0, 100, 7, 0, 0, "  7%"}, // a bar of no width still says its percentage
};
} // namespace

TEST(ProgressPercentage, SplitAndTextFollowRangeAndPosition) {
    for (const PercentageCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << "range " << c.minimum << ".." << c.maximum
                                        << " position " << c.position << " width " << c.width);
        const auto layout =
            WProgressBar::LayOutPercentage(c.minimum, c.maximum, c.position, c.width);
        EXPECT_EQ(c.split, layout.split);
        EXPECT_STREQ(c.text, layout.text);
    }
}

TEST(ProgressBar, PositionIsClampedAndAdvanceCapped) {
    WProgressBar bar; // not bound: keeps its own state
    EXPECT_EQ(0, bar.GetMinimum());
    EXPECT_EQ(100, bar.GetMaximum());
    EXPECT_EQ(10, bar.GetStep());
    bar.SetPosition(150);
    EXPECT_EQ(100, bar.GetPosition());
    bar.SetPosition(-5);
    EXPECT_EQ(0, bar.GetPosition());
    bar.Advance(20);
    bar.Advance(30);
    EXPECT_EQ(50, bar.GetPosition());
    bar.Advance(40);
    bar.Advance(40);
    EXPECT_EQ(100, bar.GetPosition());
}
