#pragma once
#include <cstdint>

// Small deterministic generator (splitmix64): frames must be reproducible for a seed, so no
// library generator whose sequence may differ between C++ runtimes.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        state_ += 0x9E3779B97F4A7C15ull;
        return Mix(state_);
    }
    // Uniform in [0, 1).
    double NextUnit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double NextRange(double low, double high) { return low + (high - low) * NextUnit(); }

    static std::uint64_t Mix(std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A stable pseudo-random value in [0, 1) for a grid position and a generation.
    static double HashUnit(std::uint64_t seed, long long a, long long b, long long c = 0) {
        std::uint64_t h = Mix(seed ^ 0x51ED27A3ull);
        h = Mix(h ^ static_cast<std::uint64_t>(a));
        h = Mix(h ^ static_cast<std::uint64_t>(b) * 0x9E3779B1ull);
        h = Mix(h ^ static_cast<std::uint64_t>(c) * 0x85EBCA77ull);
        return static_cast<double>(h >> 11) * (1.0 / 9007199254740992.0);
    }

private:
    std::uint64_t state_;
};
