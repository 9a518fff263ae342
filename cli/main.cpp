// quelta-analyse: judges a betting system from a system file or the library
// of named systems, or plays it over recorded numbers, and prints the figures
// as text or JSON. Bad input ends it with status 2 and one line on standard
// error.
#include <CLI/CLI.hpp>

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>

#include "cli/Report.h"
#include "cli/TerminalProgress.h"
#include "systems/Backtest.h"
#include "systems/SystemAnalysis.h"
#include "systems/files/NumbersFile.h"
#include "systems/files/SystemFile.h"
#include "systems/files/SystemLibrary.h"
#include "systems/files/TextFile.h"

namespace {

constexpr int kBadInput = 2;

struct Options {
    std::string system;
    std::int64_t sessions = 100'000;
    std::optional<std::uint64_t> seed;
    unsigned threads = 0;
    std::string method = "auto";
    std::string spins;
    bool json = false;
    bool list = false;
};

class BadInput : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<std::filesystem::path> libraryFolders() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return systems::files::libraryFolders(error ? std::filesystem::current_path() : program.parent_path());
}

// A path to a file, or else the name of a system in the library.
systems::System loadSystem(const std::string& given) {
    const std::filesystem::path path(given);
    std::error_code error;
    if (std::filesystem::exists(path, error) || path.has_parent_path() || path.extension() == ".toml")
        return systems::files::readSystemFile(path);
    if (auto file = systems::files::findLibrarySystem(given, libraryFolders()))
        return systems::files::readSystemFile(*file);
    throw BadInput("there is no system file or installed system called \"" + given +
                   "\"; quelta-analyse --list shows the installed systems");
}

int list(const Options& options) {
    std::vector<report::ListedSystem> listed;
    for (systems::files::LibraryEntry& entry : systems::files::librarySystems(libraryFolders())) {
        report::ListedSystem row{std::move(entry), {}, {}};
        try {
            row.description = systems::files::readSystemFile(row.entry.file).description;
        } catch (const systems::files::FileProblem& problem) {
            row.problem = problem.what();
        }
        listed.push_back(std::move(row));
    }
    if (options.json)
        report::listJson(std::cout, listed);
    else if (listed.empty())
        std::cout << "No installed systems were found.\n";
    else
        report::listText(std::cout, listed);
    return 0;
}

int analyse(const Options& options) {
    const systems::System system = loadSystem(options.system);
    if (!options.spins.empty()) {
        const auto numbers = systems::files::readNumbersFile(options.spins, system.rules.wheel);
        const systems::Backtest result = systems::backtest(system, numbers);
        options.json ? report::backtestJson(std::cout, system, result)
                     : report::backtestText(std::cout, system, result);
        return 0;
    }
    const systems::MethodChoice choice = options.method == "exact"        ? systems::MethodChoice::Exact
                                         : options.method == "montecarlo" ? systems::MethodChoice::MonteCarlo
                                                                          : systems::MethodChoice::Auto;
    if (choice == systems::MethodChoice::Exact && !systems::exactMethodTakes(system))
        throw BadInput("the exact method does not take " + system.name +
                       ": its state is too large or unbounded; use --method montecarlo or auto");
    const std::uint64_t seed = options.seed ? *options.seed : std::random_device{}();
    systems::SystemOutcome outcome;
    {
        TerminalProgress progress;
        outcome = systems::analyseSystem(system, choice, options.sessions, seed, options.threads, {}, progress.sink());
    }
    options.json ? report::outcomeJson(std::cout, system, outcome) : report::outcomeText(std::cout, system, outcome);
    return 0;
}

int badInput(const std::string& message) {
    std::cerr << "quelta-analyse: " << message << '\n';
    return kBadInput;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Judges a roulette betting system: how its sessions end, what it stakes and loses, exactly where "
                 "that can be counted and by Monte Carlo otherwise; or plays it over recorded numbers.",
                 "quelta-analyse"};
    Options options;
    app.add_option("system", options.system, "a system file (.toml) or the name of an installed system")
        ->type_name("SYSTEM");
    app.add_option("--sessions", options.sessions, "sessions to simulate (default 100000)")
        ->type_name("N")
        ->check(CLI::Range(std::int64_t{1}, kMaxSessions));
    app.add_option("--seed", options.seed, "seed of the simulation (default: a fresh one, printed)")->type_name("S");
    app.add_option("--threads", options.threads, "worker threads (default 0: one per core)")
        ->type_name("T")
        ->check(CLI::Range(0U, 1024U));
    app.add_option("--method", options.method, "auto (exact where it can, the default), exact or montecarlo")
        ->type_name("auto|exact|montecarlo")
        ->check(CLI::IsMember({"auto", "exact", "montecarlo"}));
    app.add_option("--spins", options.spins, "play the system over the numbers in FILE (one a line) instead")
        ->type_name("FILE");
    app.add_flag("--json", options.json, "print JSON instead of text");
    app.add_flag("--list", options.list, "list the installed systems");
    app.set_version_flag("--version", std::string("quelta-analyse ") + QUELTA_VERSION);
    app.footer("Exit status: 0 on success, 2 for bad input. See quelta-analyse(6).");

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& done) {
        return app.exit(done);
    } catch (const CLI::ParseError& error) {
        return badInput(error.what());
    }

    try {
        if (options.list)
            return list(options);
        if (options.system.empty())
            return badInput("give a system file or the name of an installed system, or --list; --help tells more");
        return analyse(options);
    } catch (const systems::files::FileProblem& problem) {
        return badInput(problem.what());
    } catch (const BadInput& problem) {
        return badInput(problem.what());
    } catch (const std::invalid_argument& problem) {
        return badInput(problem.what());
    }
}
