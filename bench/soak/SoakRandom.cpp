#include "SoakRandom.h"

namespace {

std::uint64_t Mix(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

} // namespace

SoakRandom::SoakRandom(std::uint64_t seed, std::uint64_t a, std::uint64_t b, std::uint64_t c)
    : engine_(Mix(Mix(Mix(Mix(seed) ^ a) ^ b) ^ c))
{
}

// The engine's own numbers, reduced by hand: the library's distributions may
// differ between builds, a replayed seed must not.
int SoakRandom::Below(int n)
{
    return n <= 1 ? 0 : int(engine_() % std::uint64_t(n));
}

int SoakRandom::Between(int lo, int hi)
{
    return lo + Below(hi - lo + 1);
}

bool SoakRandom::Chance(double p)
{
    return double(engine_() >> 11) * (1.0 / 9007199254740992.0) < p;
}
