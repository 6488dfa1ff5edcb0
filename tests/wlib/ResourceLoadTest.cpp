#include "WModule.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
// Bytes the test program carries as TEST_BYTES (see ResourceLoadTest.rc).
const unsigned char kExpected[] = {'{',  '\\', 'r',  't',  'f',  '1',
                                   0x00, 0x0D, 0x0A, 0x1A, 0xFF, '}'};

WBuffer Sentinel() {
    const char marker[] = "untouched";
    return WBuffer(marker, sizeof marker);
}
} // namespace

TEST(ResourceLoad, MissingResourceReportsFalseAndLeavesTheBuffer) {
    WBuffer buffer = Sentinel();
    EXPECT_FALSE(WModule().LoadResourceToBuffer("NO_SUCH_RESOURCE", buffer));
    ASSERT_EQ(10u, buffer.GetSize());
    EXPECT_STREQ("untouched", reinterpret_cast<const char*>(buffer.GetData()));
}

TEST(ResourceLoad, ResourceOfAnotherTypeIsNotFound) {
    WBuffer buffer = Sentinel();
    EXPECT_FALSE(WModule().LoadResourceToBuffer("TEST_NOT_RCDATA", buffer));
    EXPECT_EQ(10u, buffer.GetSize());
}

TEST(ResourceLoad, EmptyResourceReportsTrueAndEmptiesTheBuffer) {
    WBuffer buffer = Sentinel();
    EXPECT_TRUE(WModule().LoadResourceToBuffer("TEST_EMPTY", buffer));
    EXPECT_EQ(0u, buffer.GetSize());
    EXPECT_EQ(nullptr, buffer.GetData());
}

TEST(ResourceLoad, FoundResourceIsCopiedExactly) {
    WBuffer buffer = Sentinel();
    EXPECT_TRUE(WModule().LoadResourceToBuffer("TEST_BYTES", buffer));
    ASSERT_EQ(sizeof kExpected, buffer.GetSize());
    EXPECT_EQ(0, std::memcmp(kExpected, buffer.GetData(), sizeof kExpected));
}

TEST(ResourceLoad, NumberedResourceAndExplicitModule) {
    WBuffer buffer;
    EXPECT_TRUE(WModule(GetModuleHandleA(nullptr)).LoadResourceToBuffer(300, buffer));
    EXPECT_EQ(sizeof kExpected, buffer.GetSize());
}
