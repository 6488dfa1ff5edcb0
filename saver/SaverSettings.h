#pragma once
#include <string>

enum class TilingFamily { Cycle, Lattice, Penrose, Voronoi, Truchet };
enum class PaletteName { Aurora, Ember, Ocean, Prism };

// What the user chose. Setters clamp, so a SaverSettings always holds valid values.
class SaverSettings {
public:
    static constexpr int kMinLevel = 1;
    static constexpr int kMaxLevel = 10;
    static constexpr int kDefaultLevel = 5;
    static constexpr int kFamilyCount = 5;
    static constexpr int kPaletteCount = 4;

    TilingFamily Family() const { return family_; }
    int Speed() const { return speed_; }
    int Density() const { return density_; }
    PaletteName Palette() const { return palette_; }

    void SetFamily(TilingFamily family) { family_ = family; }
    void SetSpeed(int speed) { speed_ = ClampLevel(speed); }
    void SetDensity(int density) { density_ = ClampLevel(density); }
    void SetPalette(PaletteName palette) { palette_ = palette; }

    // Names as stored in the registry and shown in the settings dialog.
    static const char* FamilyName(TilingFamily family);
    static const char* PaletteNameText(PaletteName palette);
    // Case-insensitive; false (output untouched) for a name that is not known.
    static bool FamilyFromName(const std::string& name, TilingFamily& family);
    static bool PaletteFromName(const std::string& name, PaletteName& palette);
    static bool IsValidLevel(long long level) { return level >= kMinLevel && level <= kMaxLevel; }

    bool operator==(const SaverSettings& other) const;
    bool operator!=(const SaverSettings& other) const { return !(*this == other); }

private:
    static int ClampLevel(int level);

    TilingFamily family_ = TilingFamily::Cycle;
    int speed_ = kDefaultLevel;
    int density_ = kDefaultLevel;
    PaletteName palette_ = PaletteName::Aurora;
};
