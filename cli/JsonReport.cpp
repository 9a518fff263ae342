#include "cli/JsonWriter.h"
#include "cli/Report.h"
#include "layout/BetSpotCatalogue.h"

namespace report {
namespace {

void estimate(JsonWriter& json, std::string_view name, const Estimate& e) {
    json.key(name).beginObject().field("value", e.value).field("low", e.low).field("high", e.high).endObject();
}

void histogram(JsonWriter& json, std::string_view name, const std::vector<HistogramBin>& bins) {
    json.key(name).beginArray();
    for (const HistogramBin& bin : bins)
        json.beginObject()
            .field("low", bin.low)
            .field("high", bin.high)
            .field("probability", bin.probability)
            .endObject();
    json.endArray();
}

void systemFields(JsonWriter& json, const systems::System& system) {
    const systems::SystemRules& rules = system.rules;
    json.key("system").beginObject();
    json.field("name", system.name);
    json.field("wheel", rules.wheel == Wheel::European ? "european" : "american");
    json.field("chip_value", unitRow(rules.unit).chipValue.toPlainString());
    json.field("bankroll", rules.bankroll.toPlainString());
    json.field("spins", rules.spins);
    json.endObject();
}

} // namespace

void outcomeJson(std::ostream& out, const systems::System& system, const systems::SystemOutcome& outcome) {
    JsonWriter json(out);
    json.beginObject();
    systemFields(json, system);
    json.field("method", outcome.method == Method::Exact ? "exact" : "montecarlo");
    json.field("seed", outcome.seed);
    json.field("sessions", outcome.sessions);
    json.field("start_chips", outcome.startChips);
    json.key("ends").beginObject();
    for (int e = 0; e < systems::kEndReasons; ++e)
        estimate(json, endKey(static_cast<systems::EndReason>(e)), outcome.ends[e]);
    json.endObject();
    estimate(json, "ahead", outcome.ahead);
    estimate(json, "mean_end_chips", outcome.meanEndChips);
    estimate(json, "mean_net_chips", outcome.meanNetChips);
    estimate(json, "mean_total_staked_chips", outcome.meanTotalStakedChips);
    estimate(json, "mean_spins_played", outcome.meanSpinsPlayed);
    estimate(json, "loss_per_chip_staked", outcome.lossPerChipStaked);
    json.key("still_playing").beginArray();
    for (double p : outcome.stillPlaying)
        json.value(p);
    json.endArray();
    histogram(json, "end_histogram", outcome.endHistogram);
    histogram(json, "largest_drawdown", outcome.largestDrawdown);
    estimate(json, "mean_largest_drawdown", outcome.meanLargestDrawdown);
    histogram(json, "longest_losing_streak", outcome.longestLosingStreak);
    estimate(json, "mean_longest_losing_streak", outcome.meanLongestLosingStreak);
    json.field("largest_stake", outcome.largestStake);
    estimate(json, "mean_largest_stake", outcome.meanLargestStake);
    estimate(json, "limit_stopped", outcome.limitStopped);
    estimate(json, "bankroll_stopped", outcome.bankrollStopped);
    json.key("sample_paths").beginArray();
    for (const systems::SamplePath& path : outcome.samplePaths) {
        json.beginObject().field("end", endKey(path.end)).key("chips").beginArray();
        for (std::int64_t chips : path.chips)
            json.value(chips);
        json.endArray().endObject();
    }
    json.endArray();
    json.endObject();
}

void backtestJson(std::ostream& out, const systems::System& system, const systems::Backtest& backtest) {
    const systems::RecordedSession& session = backtest.session;
    JsonWriter json(out);
    json.beginObject();
    systemFields(json, system);
    json.field("start_chips", session.startChips);
    json.field("end", endKey(session.end));
    json.field("limit_stopped", session.limitStopped);
    json.key("spins").beginArray();
    for (const systems::RecordedSpin& spin : session.spins) {
        json.beginObject().field("number", pocketText(spin.pocket)).key("stakes").beginObject();
        for (const systems::SpotStake& stake : spin.stakes)
            json.field(betSpot(stake.slot).name, stake.chips);
        json.endObject()
            .field("staked", spin.stakedChips)
            .field("net", spin.netChips)
            .field("bankroll", spin.bankrollChips)
            .endObject();
    }
    json.endArray();
    const FairnessReport& fair = backtest.fairness;
    json.key("fairness").beginObject();
    json.field("spins", fair.spins).field("degrees_of_freedom", fair.degreesOfFreedom);
    json.field("chi_square", fair.chiSquare).field("p_value", fair.pValue);
    json.key("pockets").beginArray();
    for (const PocketDeviation& pocket : fair.pockets)
        json.beginObject()
            .field("number", pocketText(pocket.pocket))
            .field("observed", pocket.observed)
            .field("expected", pocket.expected)
            .field("z", pocket.z)
            .endObject();
    json.endArray().endObject();
    json.endObject();
}

void listJson(std::ostream& out, const std::vector<ListedSystem>& systems) {
    JsonWriter json(out);
    json.beginArray();
    for (const ListedSystem& listed : systems) {
        json.beginObject().field("name", listed.entry.name).field("file", listed.entry.file.string());
        if (listed.problem.empty())
            json.field("description", listed.description);
        else
            json.field("problem", listed.problem);
        json.endObject();
    }
    json.endArray();
    out << '\n';
}

} // namespace report
