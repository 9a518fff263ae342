#include "systems/StateGraph.h"

#include <array>
#include <unordered_map>

#include "results/Settlement.h"

namespace systems {
namespace {

struct KeyHash {
    std::size_t operator()(const std::vector<std::int64_t>& key) const {
        std::uint64_t h = 0x9E3779B97F4A7C15ULL;
        for (std::int64_t word : key)
            h = (h ^ static_cast<std::uint64_t>(word)) * 0xBF58476D1CE4E5B9ULL;
        return static_cast<std::size_t>(h ^ (h >> 31));
    }
};

// The net of one bet's stakes for every pocket, by the table's settlement.
void settle(Wheel wheel, int pockets, const std::array<std::int64_t, kSpotCount>& chips,
            std::array<std::int64_t, kPocketCount>& net) {
    std::array<ChipCount, kSpotCount> stakes{};
    std::int64_t staked = 0;
    for (int s = 0; s < kSpotCount; ++s) {
        stakes[static_cast<std::size_t>(s)] = static_cast<ChipCount>(chips[static_cast<std::size_t>(s)]);
        staked += chips[static_cast<std::size_t>(s)];
    }
    const Stakes view(stakes);
    for (int pocket = 0; pocket < pockets; ++pocket) {
        const auto code = static_cast<PocketCode>(pocket);
        std::int64_t returned = settleInsideChips(wheel, code, view);
        for (std::int64_t r : settleOutsideChips(wheel, code, view))
            returned += r;
        net[static_cast<std::size_t>(pocket)] = returned - staked;
    }
}

} // namespace

std::optional<StateGraph> buildStateGraph(const System& system, std::int32_t maxStates) {
    const SystemPlayer player(system);
    const int pockets = player.pockets();
    const auto bets = static_cast<std::size_t>(player.bets());
    const bool stopAfterWin = system.rules.stopAfterWin;
    const bool stopAtSeriesEnd = system.rules.stopAtSeriesEnd;

    StateGraph graph;
    graph.pockets = pockets;
    std::unordered_map<std::vector<std::int64_t>, std::int32_t, KeyHash> index;
    std::vector<PlayState> pending; // states not yet expanded, by number
    std::vector<std::int32_t> depth;
    std::vector<std::int64_t> key;

    auto numberOf = [&](const PlayState& state, std::int32_t atDepth) -> std::int32_t {
        key.clear();
        player.keyOf(state, key);
        const auto [it, added] = index.try_emplace(key, static_cast<std::int32_t>(depth.size()));
        if (added) {
            pending.push_back(state);
            depth.push_back(atDepth);
        }
        return it->second;
    };
    numberOf(player.start(), 0);

    // Many states stake alike; the table's settlement of a stake is worked out once.
    std::vector<std::unordered_map<std::vector<std::int64_t>, std::array<std::int64_t, kPocketCount>, KeyHash>> settled(
        bets);
    std::vector<std::int64_t> stakeKey;
    std::vector<std::array<std::int64_t, kSpotCount>> chips(bets);
    std::vector<std::array<std::int64_t, kPocketCount>> nets(bets);
    std::vector<std::int64_t> netsOfPocket(bets);
    for (std::int32_t s = 0; s < static_cast<std::int32_t>(depth.size()); ++s) {
        if (static_cast<std::int32_t>(depth.size()) > maxStates)
            return std::nullopt;
        PlayState state = std::move(pending[static_cast<std::size_t>(s)]);
        std::int64_t staked = 0;
        for (std::size_t b = 0; b < bets; ++b) {
            player.stakesOf(state, static_cast<int>(b), chips[b]);
            for (std::int64_t c : chips[b])
                staked += c;
            stakeKey.clear();
            for (std::size_t spot = 0; spot < chips[b].size(); ++spot)
                if (chips[b][spot] != 0) {
                    stakeKey.push_back(static_cast<std::int64_t>(spot));
                    stakeKey.push_back(chips[b][spot]);
                }
            const auto [known, added] = settled[b].try_emplace(stakeKey);
            if (added)
                settle(system.rules.wheel, pockets, chips[b], known->second);
            nets[b] = known->second;
        }
        graph.stake.push_back(static_cast<std::int32_t>(staked));
        const std::int32_t d = depth[static_cast<std::size_t>(s)];
        const std::size_t firstMove = graph.moves.size();
        for (int pocket = 0; pocket < pockets; ++pocket) {
            if (d >= system.rules.spins) {
                graph.moves.push_back({s, 0}); // no spin is played from here
                continue;
            }
            // A pocket that every bet settles and every selector sees as an
            // earlier one does leads where that one led.
            const auto same = [&](int earlier) {
                if (player.signOf(earlier) != player.signOf(pocket))
                    return false;
                for (std::size_t b = 0; b < bets; ++b)
                    if (nets[b][static_cast<std::size_t>(earlier)] != nets[b][static_cast<std::size_t>(pocket)])
                        return false;
                return true;
            };
            int earlier = 0;
            while (earlier < pocket && !same(earlier))
                ++earlier;
            if (earlier < pocket) {
                const GraphMove same = graph.moves[firstMove + static_cast<std::size_t>(earlier)];
                graph.moves.push_back(same);
                continue;
            }
            PlayState after = state;
            std::int64_t net = 0;
            for (std::size_t b = 0; b < bets; ++b) {
                netsOfPocket[b] = nets[b][static_cast<std::size_t>(pocket)];
                net += netsOfPocket[b];
            }
            const std::uint8_t flags = player.advance(after, pocket, netsOfPocket.data());
            std::int32_t next = numberOf(after, d + 1);
            if ((stopAfterWin && net > 0) || (stopAtSeriesEnd && (flags & kSeriesEnded)))
                next |= kStopsBit;
            if (flags & kLimitStopped)
                next |= kLimitBit;
            graph.moves.push_back({next, static_cast<std::int32_t>(net)});
        }
    }
    return graph;
}

} // namespace systems
