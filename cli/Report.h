#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "systems/Backtest.h"
#include "systems/SystemAnalysis.h"
#include "systems/files/SystemLibrary.h"

// What quelta-analyse prints: plain text for people, JSON for scripts. Both
// give the same figures; amounts in text are money, in JSON chips with the
// chip's value beside them.
namespace report {

struct ListedSystem {
    systems::files::LibraryEntry entry;
    std::string description; // empty when the file could not be read
    std::string problem;     // why it could not
};

void outcomeText(std::ostream& out, const systems::System& system, const systems::SystemOutcome& outcome);
void outcomeJson(std::ostream& out, const systems::System& system, const systems::SystemOutcome& outcome);

void backtestText(std::ostream& out, const systems::System& system, const systems::Backtest& backtest);
void backtestJson(std::ostream& out, const systems::System& system, const systems::Backtest& backtest);

void listText(std::ostream& out, const std::vector<ListedSystem>& systems);
void listJson(std::ostream& out, const std::vector<ListedSystem>& systems);

// Plain words for how a session ended, as both reports use them.
std::string endWords(systems::EndReason end, std::int32_t spins);
// The key each end has in JSON.
const char* endKey(systems::EndReason end);

} // namespace report
