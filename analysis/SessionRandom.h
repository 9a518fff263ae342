#pragma once

#include <cstdint>

// The pockets of one simulated session: xoshiro256++ seeded through
// splitmix64 from (seed, session). Every session has its own stream, so a
// session's pockets depend on the seed and its number only, never on which
// thread plays it or in what order; two systems replaying session i see the
// same sequence of draws.
class SessionRandom {
public:
    SessionRandom(std::uint64_t seed, std::uint64_t session) {
        // Hashing the session number before it meets the seed keeps the
        // starting points of neighbouring sessions far apart in splitmix's cycle.
        std::uint64_t state = mix(mix(seed) ^ mix(session + 0x632BE59BD9B4E019ULL));
        for (std::uint64_t& word : s_)
            word = mix(state += 0x9E3779B97F4A7C15ULL);
    }

    std::uint64_t next() {
        const std::uint64_t result = rotl(s_[0] + s_[3], 23) + s_[0];
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = rotl(s_[3], 45);
        return result;
    }

    // A pocket 0 to pockets - 1 from one draw, by multiply-shift: the high
    // word of draw x pockets. No division; the bias is below 2^-58.
    static int pocketOf(std::uint64_t draw, int pockets) {
        __extension__ using Wide = unsigned __int128;
        return static_cast<int>((static_cast<Wide>(draw) * static_cast<unsigned>(pockets)) >> 64);
    }

    int pocket(int pockets) { return pocketOf(next(), pockets); }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    static std::uint64_t mix(std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    std::uint64_t s_[4];
};
