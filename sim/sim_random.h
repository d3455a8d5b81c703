#pragma once

#include <cstdint>

// A small generator of our own, so a seed gives the same run on every
// compiler and library (the standard distributions are not portable).
class TSimRandom {
public:
    explicit TSimRandom(std::uint64_t seed) : State(seed) {}

    std::uint32_t Next()
    {
        // splitmix64
        State += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = State;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
    }

    // A value in lo..hi inclusive.
    int Between(int lo, int hi)
    {
        if (hi <= lo)
            return lo;
        const auto span = static_cast<std::uint32_t>(hi - lo) + 1u;
        return lo + static_cast<int>(Next() % span);
    }

    // True about once in `n` calls.
    bool OneIn(int n) { return n <= 1 || Next() % static_cast<std::uint32_t>(n) == 0; }

private:
    std::uint64_t State;
};
