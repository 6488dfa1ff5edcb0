#pragma once
#include "SaverSettings.h"
#include "Tiling.h"
#include <cstdint>
#include <memory>

// Makes the tiling for one family; Cycle is not a tiling of its own (see SaverScene).
class TilingFactory {
public:
    static std::unique_ptr<Tiling> Make(TilingFamily family, std::uint64_t seed, int density);
};
