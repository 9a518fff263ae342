#include "cli/Report.h"

namespace report {

std::string endWords(systems::SessionEnd end, std::int32_t spins) {
    switch (end) {
    case systems::SessionEnd::Target: return "reached the target";
    case systems::SessionEnd::StopLoss: return "reached the stop-loss";
    case systems::SessionEnd::NotCovered: return "could not cover the next stake";
    case systems::SessionEnd::SystemStop: return "stopped by the system's own rule";
    case systems::SessionEnd::SpinsDone: return "played all " + std::to_string(spins) + " spins";
    }
    return "";
}

const char* endKey(systems::SessionEnd end) {
    switch (end) {
    case systems::SessionEnd::Target: return "target";
    case systems::SessionEnd::StopLoss: return "stop_loss";
    case systems::SessionEnd::NotCovered: return "not_covered";
    case systems::SessionEnd::SystemStop: return "system_stop";
    case systems::SessionEnd::SpinsDone: return "spins_done";
    }
    return "";
}

} // namespace report
