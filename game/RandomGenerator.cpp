#include "game/RandomGenerator.h"

#include <bit>
#include <random>

namespace {
constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;
constexpr int kFractionBits = 53;
constexpr double kFractionScale = 1.0 / static_cast<double>(std::uint64_t{1} << kFractionBits);

// One step of splitmix64: spreads every input bit over the whole output, so
// neighbouring clock readings give unrelated state changes.
std::uint64_t splitmix64(std::uint64_t& x) {
    std::uint64_t z = (x += kGoldenGamma);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
} // namespace

RandomGenerator::RandomGenerator() {
    std::random_device device;
    const std::uint64_t high = device();
    const std::uint64_t low = device();
    mixIn((high << 32) ^ low);
}

RandomGenerator::RandomGenerator(std::uint64_t initial) { mixIn(initial); }

void RandomGenerator::seed(double value) {
    mixIn(std::bit_cast<std::uint64_t>(value));
    // Advancing after the mix keeps two equal seeds in a row from cancelling out.
    next();
}

double RandomGenerator::fraction() { return static_cast<double>(next() >> (64 - kFractionBits)) * kFractionScale; }

void RandomGenerator::mixIn(std::uint64_t value) {
    std::uint64_t stream = value;
    for (std::uint64_t& word : state_)
        word ^= splitmix64(stream);
    // xoshiro's one forbidden state; astronomically unlikely, but fatal if hit.
    if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0)
        state_[0] = kGoldenGamma;
}

std::uint64_t RandomGenerator::next() {
    const std::uint64_t result = std::rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = std::rotl(state_[3], 45);
    return result;
}
