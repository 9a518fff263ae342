#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "systems/SystemAnalysis.h"
#include "systems/files/SystemFile.h"

namespace {

using namespace systems;

struct ProgramRun {
    int status = -1;
    std::string out, err;
};

// One folder for each test process: CTest runs the tests of this file side
// by side, and a shared folder let one test read the other's output.
const std::filesystem::path kScratch =
    std::filesystem::temp_directory_path() / ("quelta-analyse-test-" + std::to_string(getpid()));

// Removes the folder when the process ends.
struct ScratchCleaner {
    ~ScratchCleaner() {
        std::error_code ignored;
        std::filesystem::remove_all(kScratch, ignored);
    }
} const kScratchCleaner;

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

ProgramRun run(const std::string& arguments) {
    std::filesystem::create_directories(kScratch);
    const auto out = kScratch / "out", err = kScratch / "err";
    const std::string command = std::string("'") + QUELTA_ANALYSE + "' " + arguments + " >'" + out.string() + "' 2>'" +
                                err.string() + "' </dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
}

std::filesystem::path scratchFile(const std::string& name, const std::string& text) {
    std::filesystem::create_directories(kScratch);
    std::ofstream(kScratch / name) << text;
    return kScratch / name;
}

// The number after "key": (or after "key":{"value":) in the JSON text.
double jsonNumber(const std::string& json, const std::string& key) {
    std::size_t at = json.find("\"" + key + "\":");
    if (at == std::string::npos)
        ADD_FAILURE() << "no " << key << " in the JSON";
    at += key.size() + 3;
    if (json.compare(at, 9, "{\"value\":") == 0)
        at += 9;
    return std::strtod(json.c_str() + at, nullptr);
}

// The line of the text report that starts with the caption.
std::string textLine(const std::string& text, const std::string& caption) {
    const std::size_t at = text.find("  " + caption);
    if (at == std::string::npos)
        return "";
    return text.substr(at, text.find('\n', at) - at);
}

std::string dollars(double chips, Money chip) {
    return formatCurrencyUs(
        Money::fromTenThousandths(std::llround(chips * static_cast<double>(chip.tenThousandths()))));
}

TEST(QueltaAnalyse, TextAndJsonGiveTheLibrarysFiguresForASeed) {
    struct Case {
        const char* system;
        const char* method;
        MethodChoice choice;
    };
    for (const Case& c :
         {Case{"martingale-red", "montecarlo", MethodChoice::MonteCarlo},
          Case{"sleeper-dozen", "auto", MethodChoice::Auto}, Case{"flat-red", "exact", MethodChoice::Exact}}) {
        SCOPED_TRACE(c.system);
        const System system = files::readSystemFile(std::filesystem::path(QUELTA_LIBRARY_SYSTEMS_DIR) /
                                                    (std::string(c.system) + ".toml"));
        const SystemOutcome expected = analyseSystem(system, c.choice, 4000, 29, 1);
        const std::string arguments =
            std::string(c.system) + " --seed 29 --sessions 4000 --threads 2 --method " + c.method;

        const ProgramRun json = run(arguments + " --json");
        ASSERT_EQ(json.status, 0) << json.err;
        EXPECT_EQ(json.err, "");
        EXPECT_NE(
            json.out.find(expected.method == Method::Exact ? "\"method\":\"exact\"" : "\"method\":\"montecarlo\""),
            std::string::npos);
        EXPECT_DOUBLE_EQ(jsonNumber(json.out, "mean_net_chips"), expected.meanNetChips.value);
        EXPECT_DOUBLE_EQ(jsonNumber(json.out, "mean_total_staked_chips"), expected.meanTotalStakedChips.value);
        EXPECT_DOUBLE_EQ(jsonNumber(json.out, "not_covered"), expected.end(systems::EndReason::NotCovered).value);
        EXPECT_DOUBLE_EQ(jsonNumber(json.out, "largest_stake"), static_cast<double>(expected.largestStake));

        const ProgramRun text = run(arguments);
        ASSERT_EQ(text.status, 0) << text.err;
        const double net = expected.meanNetChips.value;
        EXPECT_NE(textLine(text.out, "Mean net result").find(dollars(net, expected.chipValue)), std::string::npos);
        EXPECT_NE(textLine(text.out, "Result")
                      .find((net < 0 ? "lost " : "won ") + dollars(std::fabs(net), expected.chipValue)),
                  std::string::npos)
            << textLine(text.out, "Result");
        EXPECT_NE(textLine(text.out, "Mean total staked")
                      .find(dollars(expected.meanTotalStakedChips.value, expected.chipValue)),
                  std::string::npos);
        EXPECT_NE(text.out.find(expected.method == Method::Exact ? "Answered exactly." : "Answered by Monte Carlo"),
                  std::string::npos);
    }
}

TEST(QueltaAnalyse, BadInputEndsWithStatusTwoAndOneLineSayingWhy) {
    const std::string empty = scratchFile("empty.txt", "").string();
    const std::string doubleZero = scratchFile("double-zero.txt", "17\n00\n").string();
    const std::string misspelt = scratchFile("misspelt.toml", "name = \"x\"\nwheell = \"european\"\n").string();
    const std::string huge = scratchFile("huge.toml", std::string(2 * 1024 * 1024, '#')).string();
    const struct {
        std::string arguments;
        std::string message; // the start of the line on standard error
    } cases[] = {
        {"", "quelta-analyse: give a system file or the name of an installed system"},
        {"no-such-system", "quelta-analyse: there is no system file or installed system called \"no-such-system\""},
        {"flat-red --sessions 0", "quelta-analyse: --sessions: Value 0 not in range"},
        {"flat-red --method exactly", "quelta-analyse: --method: exactly not in {auto,exact,montecarlo}"},
        {"flat-red --bogus", "quelta-analyse: The following argument was not expected: --bogus"},
        {"flat-red --spins '" + empty + "'", "quelta-analyse: " + empty + ": holds no winning numbers"},
        {"flat-red --spins '" + doubleZero + "'",
         "quelta-analyse: " + doubleZero + ":2: 00 is not on the European wheel"},
        {"'" + misspelt + "'", "quelta-analyse: " + misspelt + ":2:1: unknown key \"wheell\""},
        {"'" + huge + "'", "quelta-analyse: " + huge + ": is larger than 1 MiB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const ProgramRun result = run(c.arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with(c.message)) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

TEST(QueltaAnalyse, ListsTheInstalledSystemsAndPlaysRecordedNumbers) {
    const ProgramRun list = run("--list");
    ASSERT_EQ(list.status, 0);
    for (const char* name : {"martingale-red", "sleeper-dozen", "fixed-inside"})
        EXPECT_NE(list.out.find(std::string(name) + "\n"), std::string::npos) << name;

    // Labouchere 1-2-3-4 over a win, a loss, a zero, a win and a win: stakes
    // 5, 5, 7, 9, 8 and the line crossed out ten chips up.
    const std::string numbers = scratchFile("numbers.txt", "# a short night\n1\n2\n0\n\n3\n19\n").string();
    const ProgramRun played = run("labouchere-red --json --spins '" + numbers + "'");
    ASSERT_EQ(played.status, 0) << played.err;
    std::vector<double> staked, bankroll;
    for (std::size_t at = played.out.find("\"staked\":"); at != std::string::npos;
         at = played.out.find("\"staked\":", at + 1))
        staked.push_back(jsonNumber(played.out.substr(at), "staked"));
    for (std::size_t at = played.out.find("\"bankroll\":", played.out.find("\"spins\":[")); at != std::string::npos;
         at = played.out.find("\"bankroll\":", at + 1))
        bankroll.push_back(jsonNumber(played.out.substr(at), "bankroll"));
    EXPECT_EQ(staked, (std::vector<double>{5, 5, 7, 9, 8}));
    EXPECT_EQ(bankroll, (std::vector<double>{505, 500, 493, 502, 510}));
}

} // namespace
