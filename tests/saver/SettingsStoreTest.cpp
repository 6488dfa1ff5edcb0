#include "RegistryKey.h"
#include "SettingsStore.h"
#include <functional>
#include <gtest/gtest.h>

namespace {

const char* const kTestKey = "Software\\Orrinwald\\TesselluxSettingsTest";

struct StoredCase {
    const char* name;
    std::function<void(const RegistryKey&)> write;  // null: the key does not exist
    TilingFamily family;
    int speed;
    int density;
    PaletteName palette;
};

void WriteAll(const RegistryKey& key, const char* family, DWORD speed, DWORD density, const char* palette) {
    ASSERT_TRUE(key.WriteString("Family", family));
    ASSERT_TRUE(key.WriteDword("Speed", speed));
    ASSERT_TRUE(key.WriteDword("Density", density));
    ASSERT_TRUE(key.WriteString("Palette", palette));
}

const StoredCase kCases[] = {
    {"no key", nullptr, TilingFamily::Cycle, 5, 5, PaletteName::Aurora},
    {"empty key", [](const RegistryKey&) {}, TilingFamily::Cycle, 5, 5, PaletteName::Aurora},
    {"all set", [](const RegistryKey& k) { WriteAll(k, "Penrose", 9, 2, "Ember"); },
     TilingFamily::Penrose, 9, 2, PaletteName::Ember},
    {"names in other case", [](const RegistryKey& k) { WriteAll(k, "tRUCHET", 1, 10, "PRISM"); },
     TilingFamily::Truchet, 1, 10, PaletteName::Prism},
    {"speed 0, density 11", [](const RegistryKey& k) { WriteAll(k, "Voronoi", 0, 11, "Ocean"); },
     TilingFamily::Voronoi, 5, 5, PaletteName::Ocean},
    {"huge levels", [](const RegistryKey& k) { WriteAll(k, "Lattice", 0xFFFFFFFF, 1000, "Aurora"); },
     TilingFamily::Lattice, 5, 5, PaletteName::Aurora},
    {"unknown names", [](const RegistryKey& k) { WriteAll(k, "Hexagons", 3, 4, "Sunset"); },
     TilingFamily::Cycle, 3, 4, PaletteName::Aurora},
    {"wrong types",
     [](const RegistryKey& k) {
         ASSERT_TRUE(k.WriteDword("Family", 2));
         ASSERT_TRUE(k.WriteString("Speed", "7"));
         ASSERT_TRUE(k.WriteString("Density", "3"));
         ASSERT_TRUE(k.WriteDword("Palette", 1));
     },
     TilingFamily::Cycle, 5, 5, PaletteName::Aurora},
    {"only speed", [](const RegistryKey& k) { ASSERT_TRUE(k.WriteDword("Speed", 8)); },
     TilingFamily::Cycle, 8, 5, PaletteName::Aurora},
};

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { RegistryKey::DeleteTree(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override { RegistryKey::DeleteTree(HKEY_CURRENT_USER, kTestKey); }
};

TEST_F(SettingsStoreTest, MissingOrOutOfRangeValuesReadAsDefaults) {
    for (const StoredCase& c : kCases) {
        ASSERT_TRUE(RegistryKey::DeleteTree(HKEY_CURRENT_USER, kTestKey));
        if (c.write) {
            const RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, kTestKey);
            ASSERT_TRUE(static_cast<bool>(key)) << c.name;
            c.write(key);
        }
        const SaverSettings loaded = SettingsStore(kTestKey).Load();
        EXPECT_STREQ(SaverSettings::FamilyName(loaded.Family()), SaverSettings::FamilyName(c.family)) << c.name;
        EXPECT_EQ(loaded.Speed(), c.speed) << c.name;
        EXPECT_EQ(loaded.Density(), c.density) << c.name;
        EXPECT_STREQ(SaverSettings::PaletteNameText(loaded.Palette()), SaverSettings::PaletteNameText(c.palette))
            << c.name;
    }
}

TEST_F(SettingsStoreTest, EverySettingRoundTrips) {
    const SettingsStore store(kTestKey);
    for (int family = 0; family < SaverSettings::kFamilyCount; ++family) {
        for (int palette = 0; palette < SaverSettings::kPaletteCount; ++palette) {
            SaverSettings settings;
            settings.SetFamily(static_cast<TilingFamily>(family));
            settings.SetPalette(static_cast<PaletteName>(palette));
            settings.SetSpeed(1 + (family * 3 + palette) % 10);
            settings.SetDensity(10 - (family + palette * 2) % 10);
            ASSERT_TRUE(store.Save(settings));
            const SaverSettings loaded = store.Load();
            EXPECT_TRUE(loaded == settings) << "family " << family << ", palette " << palette << ": loaded "
                                            << SaverSettings::FamilyName(loaded.Family()) << " speed "
                                            << loaded.Speed() << " density " << loaded.Density();
        }
    }
    // What is stored, with its type: names as REG_SZ, levels as REG_DWORD.
    SaverSettings settings;
    settings.SetFamily(TilingFamily::Voronoi);
    settings.SetSpeed(3);
    ASSERT_TRUE(store.Save(settings));
    const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kTestKey, KEY_READ);
    std::string text;
    DWORD level = 0;
    ASSERT_TRUE(key.ReadString("Family", text));
    EXPECT_EQ(text, "Voronoi");
    ASSERT_TRUE(key.ReadString("Palette", text));
    EXPECT_EQ(text, "Aurora");
    ASSERT_TRUE(key.ReadDword("Speed", level));
    EXPECT_EQ(level, 3u);
    ASSERT_TRUE(key.ReadDword("Density", level));
    EXPECT_EQ(level, 5u);
}

TEST(SaverSettings, SettersClamp) {
    SaverSettings settings;
    settings.SetSpeed(0);
    settings.SetDensity(99);
    EXPECT_EQ(settings.Speed(), 1);
    EXPECT_EQ(settings.Density(), 10);
}

} // namespace
