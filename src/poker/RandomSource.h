#pragma once

#include <cstdint>

// The 48-bit linear congruential generator (the drand48 recurrence, top bits out)
// that every random choice of the game draws from. One process-wide instance; it
// is not locked, the game runs on one thread.
class RandomSource {
public:
    static constexpr uint64_t MULTIPLIER = 0x5DEECE66DULL;
    static constexpr uint64_t ADDEND = 0xB;
    static constexpr uint64_t MASK = (uint64_t(1) << 48) - 1;

    // The shared generator, seeded from currentTimeMillis at start-up.
    static RandomSource& shared();

    RandomSource() = default;
    explicit RandomSource(int64_t seed) { setSeed(seed); }

    void setSeed(int64_t seed) { state = (uint64_t(seed) ^ MULTIPLIER) & MASK; }

    // bits 1..32; the top bits of the advanced state.
    uint32_t nextBits(int bits)
    {
        state = (state * MULTIPLIER + ADDEND) & MASK;
        return uint32_t(state >> (48 - bits));
    }

    // 0..n-1 as |r mod n| of a signed 32-bit draw (slightly biased, as designed).
    // n < 1 gives 0 without drawing.
    int32_t nextInt(int32_t n)
    {
        if (n < 1)
            return 0;
        int32_t r = int32_t(nextBits(32));
        int32_t m = r % n;
        return m < 0 ? -m : m;
    }

    // Roughly normal around mean with the given deviation (sum of twelve 12-bit
    // uniforms), redrawn until not negative. Gives up after 10000 redraws and
    // returns 0, which only a negative mean can need.
    int32_t nextNormal(int32_t mean, int32_t deviation);

    uint64_t rawState() const { return state; }

private:
    uint64_t state = 0;
};
