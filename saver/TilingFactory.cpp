#include "TilingFactory.h"
#include "LatticeTiling.h"
#include "PenroseTiling.h"
#include "TruchetTiling.h"
#include "VoronoiTiling.h"

std::unique_ptr<Tiling> TilingFactory::Make(TilingFamily family, std::uint64_t seed, int density) {
    switch (family) {
    case TilingFamily::Penrose:
        return std::make_unique<PenroseTiling>(seed, density);
    case TilingFamily::Voronoi:
        return std::make_unique<VoronoiTiling>(seed, density);
    case TilingFamily::Truchet:
        return std::make_unique<TruchetTiling>(seed, density);
    case TilingFamily::Lattice:
    case TilingFamily::Cycle:
        break;
    }
    return std::make_unique<LatticeTiling>(seed, density);
}
