#include "SaverSettings.h"
#include <algorithm>
#include <cstring>
#include <windows.h>

namespace {
const char* const kFamilyNames[] = {"Cycle", "Lattice", "Penrose", "Voronoi", "Truchet"};
const char* const kPaletteNames[] = {"Aurora", "Ember", "Ocean", "Prism"};
} // namespace

const char* SaverSettings::FamilyName(TilingFamily family) {
    return kFamilyNames[static_cast<int>(family)];
}

const char* SaverSettings::PaletteNameText(PaletteName palette) {
    return kPaletteNames[static_cast<int>(palette)];
}

bool SaverSettings::FamilyFromName(const std::string& name, TilingFamily& family) {
    for (int k = 0; k < kFamilyCount; ++k) {
        if (lstrcmpiA(name.c_str(), kFamilyNames[k]) == 0) {
            family = static_cast<TilingFamily>(k);
            return true;
        }
    }
    return false;
}

bool SaverSettings::PaletteFromName(const std::string& name, PaletteName& palette) {
    for (int k = 0; k < kPaletteCount; ++k) {
        if (lstrcmpiA(name.c_str(), kPaletteNames[k]) == 0) {
            palette = static_cast<PaletteName>(k);
            return true;
        }
    }
    return false;
}

bool SaverSettings::operator==(const SaverSettings& other) const {
    return family_ == other.family_ && speed_ == other.speed_ && density_ == other.density_ &&
           palette_ == other.palette_;
}

int SaverSettings::ClampLevel(int level) { return std::clamp(level, kMinLevel, kMaxLevel); }
