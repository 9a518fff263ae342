#include "analysis/BankrollBands.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::int64_t, 5> kPercents = {5, 25, 50, 75, 95};

struct BandSession {
    SessionRandom random;
    std::int64_t chips;
    std::int32_t step;
    bool playing;
};

// Plays up to `count` spins of a session, writing the bankroll after each;
// a session that has ended keeps its bankroll.
template <bool Flat>
void playStretch(const SpinView& view, BandSession& session, std::int64_t* path, std::int32_t count) {
    std::int32_t spin = 0;
    for (; spin < count && session.playing; ++spin) {
        session.playing = !playSpin<Flat>(view, session.random.next(), session.chips, session.step);
        path[spin] = session.chips;
    }
    std::fill(path + spin, path + count, session.chips);
}

} // namespace

BankrollBand PercentilePicker::of(std::vector<std::int64_t>& chips) {
    const auto n = static_cast<std::int64_t>(chips.size());
    std::array<std::int64_t, 5> rank{}; // 1-based
    for (std::size_t i = 0; i < rank.size(); ++i)
        rank[i] = (kPercents[i] * n + 99) / 100;
    const auto [low, high] = std::minmax_element(chips.begin(), chips.end());
    const std::int64_t lowest = *low;
    const std::int64_t range = *high - lowest + 1;
    std::array<double, 5> picked{};
    if (range <= 4 * n) {
        counts_.assign(static_cast<std::size_t>(range), 0);
        for (std::int64_t c : chips)
            ++counts_[static_cast<std::size_t>(c - lowest)];
        std::int64_t below = 0;
        std::size_t next = 0;
        for (std::int64_t value = 0; next < rank.size(); ++value) {
            below += counts_[static_cast<std::size_t>(value)];
            while (next < rank.size() && below >= rank[next])
                picked[next++] = static_cast<double>(lowest + value);
        }
    } else {
        auto at = [&](std::size_t i) { return chips.begin() + (rank[i] - 1); };
        // Each selection narrows the range the next one has to search.
        std::nth_element(chips.begin(), at(2), chips.end());
        std::nth_element(chips.begin(), at(1), at(2));
        std::nth_element(chips.begin(), at(0), at(1));
        if (at(3) > at(2))
            std::nth_element(at(2) + 1, at(3), chips.end());
        if (at(4) > at(3))
            std::nth_element(at(3) + 1, at(4), chips.end());
        for (std::size_t i = 0; i < rank.size(); ++i)
            picked[i] = static_cast<double>(*at(i));
    }
    return {picked[0], picked[1], picked[2], picked[3], picked[4]};
}

std::int64_t bandSessionCount(std::int64_t sessions, std::int32_t spins) {
    const std::int64_t affordable = 40'000'000 / std::max<std::int32_t>(spins, 1);
    return std::min(sessions, std::clamp<std::int64_t>(affordable, 200, 2000));
}

std::vector<BankrollBand> bankrollBands(const SessionTables& tables, std::uint64_t seed, std::int64_t sessions,
                                        std::stop_token stop) {
    std::vector<BandSession> all;
    all.reserve(static_cast<std::size_t>(sessions));
    for (std::int64_t session = 0; session < sessions; ++session)
        all.push_back({SessionRandom(seed, static_cast<std::uint64_t>(session)), tables.startChips, 0,
                       tables.startChips >= tables.chipsBet[0]});

    std::vector<BankrollBand> bands;
    bands.reserve(static_cast<std::size_t>(tables.spins) + 1);
    PercentilePicker picker;
    std::vector<std::int64_t> column(all.size(), tables.startChips);
    bands.push_back(picker.of(column));

    // Sessions play a stretch of spins at a time, each on its own, and the
    // bands of the stretch are then read across them: the inner loop stays
    // that of a whole session, and only a stretch of bankrolls is held.
    constexpr std::int32_t kStretch = 16; // the stretch of bankrolls held stays in the second-level cache
    std::vector<std::int64_t> paths(all.size() * kStretch);
    const SpinView view(tables);
    for (std::int32_t first = 1; first <= tables.spins; first += kStretch) {
        if (stop.stop_requested())
            return {};
        const std::int32_t count = std::min(kStretch, tables.spins - first + 1);
        if (std::none_of(all.begin(), all.end(), [](const BandSession& s) { return s.playing; })) {
            bands.resize(static_cast<std::size_t>(tables.spins) + 1, bands.back()); // nothing moves any more
            break;
        }
        for (std::size_t s = 0; s < all.size(); ++s) {
            std::int64_t* path = paths.data() + s * kStretch;
            if (tables.flat)
                playStretch<true>(view, all[s], path, count);
            else
                playStretch<false>(view, all[s], path, count);
        }
        for (std::int32_t spin = 0; spin < count; ++spin) {
            for (std::size_t s = 0; s < all.size(); ++s)
                column[s] = paths[s * kStretch + static_cast<std::size_t>(spin)];
            bands.push_back(picker.of(column));
        }
    }
    return bands;
}
