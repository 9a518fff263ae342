#include "analysis/BankrollBands.h"

#include <algorithm>

namespace {

// Nearest-rank percentiles of `chips`, which it reorders.
BankrollBand percentiles(std::vector<std::int64_t>& chips) {
    const auto n = static_cast<std::int64_t>(chips.size());
    auto at = [&](std::int64_t percent) { return chips.begin() + ((percent * n + 99) / 100 - 1); };
    // Each selection narrows the range the next one has to search.
    std::nth_element(chips.begin(), at(50), chips.end());
    std::nth_element(chips.begin(), at(25), at(50));
    std::nth_element(chips.begin(), at(5), at(25));
    if (at(75) > at(50))
        std::nth_element(at(50) + 1, at(75), chips.end());
    if (at(95) > at(75))
        std::nth_element(at(75) + 1, at(95), chips.end());
    auto value = [&](std::int64_t percent) { return static_cast<double>(*at(percent)); };
    return {value(5), value(25), value(50), value(75), value(95)};
}

} // namespace

std::int64_t bandSessionCount(std::int64_t sessions, std::int32_t spins) {
    const std::int64_t affordable = 40'000'000 / std::max<std::int32_t>(spins, 1);
    return std::min(sessions, std::clamp<std::int64_t>(affordable, 200, 2000));
}

std::vector<BankrollBand> bankrollBands(const SessionTables& tables, std::uint64_t seed, std::int64_t sessions,
                                        std::stop_token stop) {
    struct Player {
        SessionRandom random;
        std::int64_t chips;
        std::int32_t step;
        std::int32_t index;
    };
    std::vector<Player> playing;
    std::vector<std::int64_t> chips(static_cast<std::size_t>(sessions), tables.startChips);
    for (std::int64_t session = 0; session < sessions; ++session)
        if (tables.startChips >= tables.chipsBet[0])
            playing.push_back({SessionRandom(seed, static_cast<std::uint64_t>(session)), tables.startChips, 0,
                               static_cast<std::int32_t>(session)});

    std::vector<BankrollBand> bands;
    bands.reserve(static_cast<std::size_t>(tables.spins) + 1);
    std::vector<std::int64_t> column = chips;
    bands.push_back(percentiles(column));
    for (std::int32_t spin = 1; spin <= tables.spins; ++spin) {
        if (playing.empty()) { // every session has ended: the bankrolls stay where they are
            bands.push_back(bands.back());
            continue;
        }
        if (spin % 64 == 0 && stop.stop_requested())
            return {};
        std::size_t kept = 0;
        for (Player& player : playing) {
            const bool ended = tables.flat ? playSpin<true>(tables, player.random.next(), player.chips, player.step)
                                           : playSpin<false>(tables, player.random.next(), player.chips, player.step);
            chips[static_cast<std::size_t>(player.index)] = player.chips;
            if (!ended)
                playing[kept++] = player;
        }
        playing.erase(playing.begin() + static_cast<std::ptrdiff_t>(kept), playing.end());
        column = chips;
        bands.push_back(percentiles(column));
    }
    return bands;
}
