// WRegistryKey against a private key under HKEY_CURRENT_USER.
#include "RegistryProbe.h"
#include "WRegistryKey.h"

#include <gtest/gtest.h>

#include <utility>

namespace {
using namespace registry_probe;

constexpr char kTestKey[] = "Software\\Tessellux Tests\\WRegistryKey";
constexpr char kMissingKey[] = "Software\\Tessellux Tests\\WRegistryKey\\Missing";

class RegistryKeyTest : public testing::Test {
protected:
    void SetUp() override {
        DeleteTree(HKEY_CURRENT_USER, kTestKey);
        ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestKey));
    }
    void TearDown() override { DeleteTree(HKEY_CURRENT_USER, kTestKey); }

    static Value ReadBack(const char* name) {
        const WRegistryKeyHandle key = OpenKey(HKEY_CURRENT_USER, kTestKey);
        if (key)
            return Read(key.Get(), name);
        Value missing;
        missing.status = ERROR_FILE_NOT_FOUND;
        return missing;
    }
};

TEST_F(RegistryKeyTest, OpeningAMissingKeyFailsAndHoldsNothing) {
    WRegistryKey key;
    EXPECT_FALSE(key.Open(HKEY_CURRENT_USER, kTestKey, KEY_ALL_ACCESS));
    EXPECT_FALSE(key.IsOpen());
    EXPECT_EQ(nullptr, key.GetHandle());
    EXPECT_FALSE(key.SetStringValue("Name", "text"));
    EXPECT_FALSE(key.Close(false));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestKey));
}

TEST_F(RegistryKeyTest, CreateMakesTheKeyAndOpensAnExistingOne) {
    WRegistryKey first;
    ASSERT_TRUE(first.Create(HKEY_CURRENT_USER, kTestKey));
    EXPECT_TRUE(first.IsOpen());
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kTestKey));
    EXPECT_TRUE(first.SetStringValue("Before", "one"));

    WRegistryKey second;
    ASSERT_TRUE(second.Create(HKEY_CURRENT_USER, kTestKey));
    EXPECT_TRUE(second.SetStringValue("After", "two"));
    EXPECT_EQ(Sz("one"), ReadBack("Before").bytes);
    EXPECT_EQ(Sz("two"), ReadBack("After").bytes);
}

TEST_F(RegistryKeyTest, OpenGivesTheRequestedAccessOnly) {
    ASSERT_TRUE(CreateKey(HKEY_CURRENT_USER, kTestKey));
    WRegistryKey key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kTestKey, KEY_READ));
    EXPECT_TRUE(key.IsOpen());
    // Without the right to write, the write fails and nothing is stored.
    EXPECT_FALSE(key.SetStringValue("Refused", "text"));
    EXPECT_FALSE(key.SetValue("Refused", REG_BINARY, WBuffer("\1", 1)));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, ReadBack("Refused").status);
}

TEST_F(RegistryKeyTest, AFailedOpenKeepsTheKeyAlreadyHeld) {
    WRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kTestKey));
    const HKEY held = key.GetHandle();
    EXPECT_FALSE(key.Open(HKEY_CURRENT_USER, kMissingKey, KEY_ALL_ACCESS));
    EXPECT_EQ(held, key.GetHandle());
    EXPECT_TRUE(key.SetStringValue("StillWritable", "yes"));
    EXPECT_EQ(Sz("yes"), ReadBack("StillWritable").bytes);
}

TEST_F(RegistryKeyTest, StringValuesCountTheirTerminator) {
    WRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kTestKey));
    const struct {
        const char* name;
        const char* text;
    } cases[] = {{"Text", "abc"}, {"Empty", ""}, {"Spaced", "C:\\Program Files\\x y"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(key.SetStringValue(c.name, c.text));
        const Value value = ReadBack(c.name);
        EXPECT_EQ(ERROR_SUCCESS, value.status);
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), value.type);
        EXPECT_EQ(Sz(c.text), value.bytes);
    }
}

TEST_F(RegistryKeyTest, BufferValuesKeepTheirTypeAndExactBytes) {
    WRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kTestKey));
    const std::string binary("\x00\x01\xFF\x00", 4);
    EXPECT_TRUE(key.SetValue("Binary", REG_BINARY, WBuffer(binary.data(), binary.size())));
    const DWORD number = 0x01020304;
    EXPECT_TRUE(key.SetValue("Number", REG_DWORD, WBuffer(&number, sizeof number)));
    EXPECT_TRUE(key.SetValue("Nothing", REG_BINARY, WBuffer()));

    const Value binaryValue = ReadBack("Binary");
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), binaryValue.type);
    EXPECT_EQ(binary, binaryValue.bytes);
    const Value numberValue = ReadBack("Number");
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), numberValue.type);
    EXPECT_EQ(std::string("\x04\x03\x02\x01", 4), numberValue.bytes);
    const Value nothing = ReadBack("Nothing");
    EXPECT_EQ(ERROR_SUCCESS, nothing.status);
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), nothing.type);
    EXPECT_EQ("", nothing.bytes);
}

TEST_F(RegistryKeyTest, CloseReportsAndLeavesNothingHeld) {
    const struct { bool flush; } cases[] = {{false}, {true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flush ? "flushed" : "not flushed");
        WRegistryKey key;
        ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kTestKey));
        EXPECT_TRUE(key.SetStringValue("Kept", "after close"));
        EXPECT_TRUE(key.Close(c.flush));
        EXPECT_FALSE(key.IsOpen());
        EXPECT_FALSE(key.SetStringValue("Late", "text"));
        EXPECT_FALSE(key.Close(c.flush));
        EXPECT_EQ(Sz("after close"), ReadBack("Kept").bytes);
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, ReadBack("Late").status);
    }
}

TEST_F(RegistryKeyTest, CloseReportsTheSystemsRefusal) {
    WRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kTestKey));
    // Closed behind the object's back, the handle is no longer valid.
    ASSERT_EQ(ERROR_SUCCESS, RegCloseKey(key.GetHandle()));
    EXPECT_FALSE(key.Close(false));
    EXPECT_FALSE(key.IsOpen());
}

TEST_F(RegistryKeyTest, MovingHandsTheKeyOver) {
    WRegistryKey first;
    ASSERT_TRUE(first.Create(HKEY_CURRENT_USER, kTestKey));
    const HKEY held = first.GetHandle();
    WRegistryKey second(std::move(first));
    EXPECT_FALSE(first.IsOpen());
    EXPECT_EQ(held, second.GetHandle());
    EXPECT_TRUE(second.SetStringValue("Moved", "yes"));
    EXPECT_EQ(Sz("yes"), ReadBack("Moved").bytes);
}

} // namespace
