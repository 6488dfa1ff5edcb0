#include "Palette.h"
#include <cmath>

namespace {

Rgb Hex(unsigned value) {
    return {((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0};
}

} // namespace

Palette::Palette(PaletteName name) {
    switch (name) {
    case PaletteName::Aurora:
        stops_ = {Hex(0x0B3D5C), Hex(0x12A39A), Hex(0x5BF29B), Hex(0x2EC4B6), Hex(0x7B4FD8),
                  Hex(0xD45FC9), Hex(0x3A2A8C)};
        background_ = Hex(0x03060F);
        break;
    case PaletteName::Ember:
        stops_ = {Hex(0x5A0A0A), Hex(0xB8260E), Hex(0xF2651B), Hex(0xFFB23E), Hex(0xFFCB6B),
                  Hex(0xE0461A), Hex(0x861616)};
        background_ = Hex(0x0A0302);
        break;
    case PaletteName::Ocean:
        stops_ = {Hex(0x06285A), Hex(0x0A5FA8), Hex(0x1FA4D6), Hex(0x67E0E6), Hex(0xB8F5E8),
                  Hex(0x2B8BBE), Hex(0x123C7A)};
        background_ = Hex(0x010612);
        break;
    case PaletteName::Prism:
        stops_ = {Hex(0xFF3B5C), Hex(0xFF9F1C), Hex(0xF9F871), Hex(0x3DDC84), Hex(0x2EC4F0),
                  Hex(0x5B5BF0), Hex(0xC14BE8)};
        background_ = Hex(0x05040A);
        break;
    }
}

Rgb Palette::ColorAt(double tone) const {
    const double wrapped = tone - std::floor(tone);
    const double position = wrapped * static_cast<double>(stops_.size());
    const size_t index = static_cast<size_t>(position) % stops_.size();
    const double t = position - std::floor(position);
    // Smooth between stops so the gradient has no visible kinks.
    return Mix(stops_[index], stops_[(index + 1) % stops_.size()], t * t * (3 - 2 * t));
}
