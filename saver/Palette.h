#pragma once
#include "Rgb.h"
#include "SaverSettings.h"
#include <vector>

// A cyclic colour gradient: ColorAt(t) and ColorAt(t + 1) are the same colour, so tilings
// may let tones run on forever and the palette shifts smoothly with them.
class Palette {
public:
    explicit Palette(PaletteName name);

    Rgb ColorAt(double tone) const;
    // The darkest colour of the gradient dimmed, for the space behind the cells.
    Rgb Background() const { return background_; }

private:
    std::vector<Rgb> stops_;
    Rgb background_;
};
