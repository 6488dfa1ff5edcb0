#include "RegistryKey.h"
#include "UninstallCommand.h"
#include <gtest/gtest.h>

namespace {

const char* const kSettingsKey = "Software\\Orrinwald\\TesselluxUninstallCommandTest";

// Answers Confirm with a preset reply and records every prompt.
class ScriptedPrompts : public UninstallPrompts {
public:
    explicit ScriptedPrompts(bool reply) : reply_(reply) {}
    bool Confirm(const std::string& text) override {
        log += "confirm: " + text + "\n";
        return reply_;
    }
    void Inform(const std::string& text) override { log += "inform: " + text + "\n"; }
    void Warn(const std::string& text) override { log += "warn: " + text + "\n"; }
    std::string log;

private:
    bool reply_;
};

// Locations where nothing of the real installation is: only the settings key is a trace.
UninstallLocations TestLocations() {
    UninstallLocations locations;
    locations.program = ProgramPath("C:\\nowhere\\Tessellux-test.scr", "C:\\nowhere\\TESSEL~9.SCR");
    locations.desktopFolder = "C:\\nowhere";
    locations.uninstallKeyPath = "SOFTWARE\\Orrinwald\\TesselluxNoSuchUninstallKey";
    locations.settingsKeyPath = kSettingsKey;
    return locations;
}

class UninstallCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        const RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, kSettingsKey);
        ASSERT_TRUE(key.WriteDword("Speed", 7));
    }
    void TearDown() override { RegistryKey::DeleteTree(HKEY_CURRENT_USER, kSettingsKey); }
};

TEST_F(UninstallCommandTest, WithoutAdministratorRightsNothingIsRemovedOrAsked) {
    const Uninstaller uninstaller(TestLocations());
    ScriptedPrompts prompts(true);
    EXPECT_EQ(static_cast<int>(UninstallCommand(uninstaller, false).Run(prompts)),
              static_cast<int>(UninstallCommand::Outcome::NeedsAdministrator));
    EXPECT_NE(prompts.log.find("warn: Uninstalling Tessellux needs administrator rights"), std::string::npos)
        << prompts.log;
    EXPECT_EQ(prompts.log.find("confirm:"), std::string::npos) << prompts.log;
    EXPECT_TRUE(RegistryKey::Exists(HKEY_CURRENT_USER, kSettingsKey)) << "settings removed without rights";
}

TEST_F(UninstallCommandTest, NoMeansNothingIsRemoved) {
    const Uninstaller uninstaller(TestLocations());
    ScriptedPrompts prompts(false);
    EXPECT_EQ(static_cast<int>(UninstallCommand(uninstaller, true).Run(prompts)),
              static_cast<int>(UninstallCommand::Outcome::Cancelled));
    EXPECT_NE(prompts.log.find("your Tessellux settings"), std::string::npos) << prompts.log;
    EXPECT_TRUE(RegistryKey::Exists(HKEY_CURRENT_USER, kSettingsKey));
}

TEST_F(UninstallCommandTest, FindsOnlyTheTracesThatExist) {
    const std::vector<InstallTrace> traces = Uninstaller(TestLocations()).FindTraces();
    ASSERT_EQ(traces.size(), 1u);
    EXPECT_EQ(static_cast<int>(traces[0].kind), static_cast<int>(InstallTrace::Kind::SettingsKey));
}

TEST_F(UninstallCommandTest, NothingInstalledSaysSo) {
    RegistryKey::DeleteTree(HKEY_CURRENT_USER, kSettingsKey);
    const Uninstaller uninstaller(TestLocations());
    ScriptedPrompts prompts(true);
    EXPECT_EQ(static_cast<int>(UninstallCommand(uninstaller, true).Run(prompts)),
              static_cast<int>(UninstallCommand::Outcome::NothingToRemove));
    EXPECT_NE(prompts.log.find("nothing to remove"), std::string::npos) << prompts.log;
}

} // namespace
