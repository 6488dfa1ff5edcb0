// Form1::RegisterUninstall: the product's entry under HKLM's list of installed programs.
#include "Form1.h"
#include "RegistryProbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
using namespace registry_probe;

constexpr char kUninstallKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessellux Screen Saver";

struct ExpectedValue {
    const char* name;
    DWORD type;
    std::string bytes;
};

std::vector<ExpectedValue> ExpectedValues(const std::string& directory) {
    return {
        {"DisplayName", REG_SZ, Sz("Tessellux Screen Saver")},
        {"UninstallString", REG_SZ, Sz(directory + "\\Tessellux.scr -u")},
        {"DisplayVersion", REG_SZ, Sz("4.7.0")},
        {"VersionMajor", REG_SZ, Sz("4")},
        {"VersionMinor", REG_SZ, Sz("7")},
        {"Publisher", REG_SZ, Sz("Orrinwald")},
        {"InstallLocation", REG_SZ, Sz(directory)},
        {"DisplayIcon", REG_SZ, Sz(directory + "\\Tessellux.scr")},
        {"EstimatedSize", REG_DWORD, std::string("\x80\x05\x00\x00", 4)},
    };
}

void ExpectValue(HKEY key, const char* name, DWORD type, const std::string& bytes) {
    SCOPED_TRACE(name);
    const Value actual = Read(key, name);
    ASSERT_EQ(ERROR_SUCCESS, actual.status);
    EXPECT_EQ(type, actual.type);
    EXPECT_EQ(bytes.size(), actual.bytes.size());
    EXPECT_EQ(bytes, actual.bytes);
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

void Register(const char* installDirectory) {
    Form1 form;
    form.SetInstallDirectory(installDirectory);
    form.RegisterUninstall();
}

BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

// The windows of this thread: a message box would be one more.
int CountThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

class UninstallRegistrationTest : public testing::Test {
protected:
    void SetUp() override {
        DeleteTree(HKEY_LOCAL_MACHINE, kUninstallKey);
        ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    }
    void TearDown() override { DeleteTree(HKEY_LOCAL_MACHINE, kUninstallKey); }
};

TEST_F(UninstallRegistrationTest, AFirstRegistrationCreatesTheKeyWithExactlyNineValues) {
    Register("C:\\WINDOWS");

    const WRegistryKeyHandle key = OpenKey(HKEY_LOCAL_MACHINE, kUninstallKey);
    ASSERT_TRUE(key) << "the key was not created";
    std::vector<std::string> expectedNames;
    for (const ExpectedValue& expected : ExpectedValues("C:\\WINDOWS")) {
        ExpectValue(key.Get(), expected.name, expected.type, expected.bytes);
        expectedNames.emplace_back(expected.name);
    }
    EXPECT_EQ(Sorted(expectedNames), Sorted(ValueNames(key.Get())));
}

TEST_F(UninstallRegistrationTest, ARepeatedRegistrationOverwritesItsValuesAndKeepsOthers) {
    {
        const WRegistryKeyHandle key = CreateKey(HKEY_LOCAL_MACHINE, kUninstallKey);
        ASSERT_TRUE(key);
        // Other types and sizes than ours, longer and shorter, so that each must be replaced.
        const std::string stale = Sz("A stale value, longer than anything registered here");
        const DWORD number = 0xFFFFFFFF;
        for (const ExpectedValue& expected : ExpectedValues("C:\\WINDOWS")) {
            const bool asNumber = expected.type == REG_SZ;
            const std::string& data = asNumber ? Dword(number) : stale;
            ASSERT_EQ(ERROR_SUCCESS,
                      RegSetValueExA(key.Get(), expected.name, 0, asNumber ? REG_DWORD : REG_SZ,
                                     reinterpret_cast<const BYTE*>(data.data()), data.size()));
        }
        const std::string other = Sz("another writer's value");
        ASSERT_EQ(ERROR_SUCCESS,
                  RegSetValueExA(key.Get(), "NoRemove", 0, REG_EXPAND_SZ,
                                 reinterpret_cast<const BYTE*>(other.data()), other.size()));
    }

    Register("C:\\WINDOWS");

    const WRegistryKeyHandle key = OpenKey(HKEY_LOCAL_MACHINE, kUninstallKey);
    ASSERT_TRUE(key);
    std::vector<std::string> expectedNames{"NoRemove"};
    for (const ExpectedValue& expected : ExpectedValues("C:\\WINDOWS")) {
        ExpectValue(key.Get(), expected.name, expected.type, expected.bytes);
        expectedNames.emplace_back(expected.name);
    }
    ExpectValue(key.Get(), "NoRemove", REG_EXPAND_SZ, Sz("another writer's value"));
    EXPECT_EQ(Sorted(expectedNames), Sorted(ValueNames(key.Get())));
}

TEST_F(UninstallRegistrationTest, ComposedValuesAreThePlainInstallDirectoryText) {
    const struct {
        const char* directory;
        const char* uninstallString;
        const char* displayIcon;
    } cases[] = {
        {"C:\\WINDOWS", "C:\\WINDOWS\\Tessellux.scr -u", "C:\\WINDOWS\\Tessellux.scr"},
        {"C:\\Program Files\\My Windows", "C:\\Program Files\\My Windows\\Tessellux.scr -u",
         "C:\\Program Files\\My Windows\\Tessellux.scr"},
        {"C:\\WINDOWS\\", "C:\\WINDOWS\\\\Tessellux.scr -u", "C:\\WINDOWS\\\\Tessellux.scr"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.directory);
        DeleteTree(HKEY_LOCAL_MACHINE, kUninstallKey);

        Register(c.directory);

        const WRegistryKeyHandle key = OpenKey(HKEY_LOCAL_MACHINE, kUninstallKey);
        ASSERT_TRUE(key);
        ExpectValue(key.Get(), "UninstallString", REG_SZ, Sz(c.uninstallString));
        ExpectValue(key.Get(), "InstallLocation", REG_SZ, Sz(c.directory));
        ExpectValue(key.Get(), "DisplayIcon", REG_SZ, Sz(c.displayIcon));
    }
}

// Points HKEY_LOCAL_MACHINE, for this process only, at another key until destroyed.
class MachineKeyOverride {
public:
    explicit MachineKeyOverride(HKEY standIn)
        : result_(RegOverridePredefKey(HKEY_LOCAL_MACHINE, standIn)) {}
    MachineKeyOverride(const MachineKeyOverride&) = delete;
    MachineKeyOverride& operator=(const MachineKeyOverride&) = delete;
    ~MachineKeyOverride() {
        if (result_ == ERROR_SUCCESS)
            RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    }
    LONG GetResult() const { return result_; }

private:
    LONG result_;
};

// HKEY_LOCAL_MACHINE stands for a key that has been deleted while this process holds it open:
// under it the entry can be neither opened nor created, as when the right to write is missing.
TEST_F(UninstallRegistrationTest, WhenTheKeyCanBeNeitherOpenedNorCreatedNothingIsWritten) {
    constexpr char kStandIn[] = "Software\\Tessellux Tests\\Deleted machine";
    DeleteTree(HKEY_CURRENT_USER, kStandIn);
    Form1 form;
    form.SetInstallDirectory("C:\\WINDOWS");
    const int windowsBefore = CountThreadWindows();
    {
        const WRegistryKeyHandle standIn = CreateKey(HKEY_CURRENT_USER, kStandIn);
        ASSERT_TRUE(standIn);
        ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_CURRENT_USER, kStandIn));
        const MachineKeyOverride machine(standIn.Get());
        ASSERT_EQ(ERROR_SUCCESS, machine.GetResult());
        HKEY probe = nullptr;
        const LONG probeResult = RegCreateKeyA(HKEY_LOCAL_MACHINE, "Probe", &probe);
        const WRegistryKeyHandle probeKey(probe);
        ASSERT_NE(ERROR_SUCCESS, probeResult)
            << "keys can still be made under the stand-in: the test cannot withhold them";

        form.RegisterUninstall();
    }
    EXPECT_EQ(windowsBefore, CountThreadWindows());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kStandIn));
}

} // namespace
