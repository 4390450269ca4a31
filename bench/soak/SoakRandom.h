// The random numbers of a save soak run: one stream per client and document,
// made from the run's seed alone, so a fixed seed gives every client the same
// documents again whatever happened to the saves before them.
#pragma once
#include <cstdint>
#include <random>

class SoakRandom {
public:
    SoakRandom(std::uint64_t seed, std::uint64_t a, std::uint64_t b = 0, std::uint64_t c = 0);
    // 0 .. n-1 (0 for n <= 1).
    int Below(int n);
    // lo .. hi, both included.
    int Between(int lo, int hi);
    bool Chance(double p);

private:
    std::mt19937_64 engine_;
};
