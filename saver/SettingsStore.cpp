#include "SettingsStore.h"
#include "RegistryKey.h"

SaverSettings SettingsStore::Load() const {
    SaverSettings settings;
    const RegistryKey key = RegistryKey::Open(root_, keyPath_, KEY_READ);
    if (!key)
        return settings;
    std::string text;
    TilingFamily family;
    if (key.ReadString("Family", text) && SaverSettings::FamilyFromName(text, family))
        settings.SetFamily(family);
    PaletteName palette;
    if (key.ReadString("Palette", text) && SaverSettings::PaletteFromName(text, palette))
        settings.SetPalette(palette);
    DWORD level = 0;
    if (key.ReadDword("Speed", level) && SaverSettings::IsValidLevel(level))
        settings.SetSpeed(static_cast<int>(level));
    if (key.ReadDword("Density", level) && SaverSettings::IsValidLevel(level))
        settings.SetDensity(static_cast<int>(level));
    return settings;
}

bool SettingsStore::Save(const SaverSettings& settings) const {
    const RegistryKey key = RegistryKey::Create(root_, keyPath_);
    return key && key.WriteString("Family", SaverSettings::FamilyName(settings.Family())) &&
           key.WriteString("Palette", SaverSettings::PaletteNameText(settings.Palette())) &&
           key.WriteDword("Speed", static_cast<DWORD>(settings.Speed())) &&
           key.WriteDword("Density", static_cast<DWORD>(settings.Density()));
}
