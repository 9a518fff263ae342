#include "cli/Report.h"

namespace report {

std::string endWords(systems::EndReason end, std::int32_t spins) {
    switch (end) {
    case systems::EndReason::Target: return "reached the target";
    case systems::EndReason::StopLoss: return "reached the stop-loss";
    case systems::EndReason::NotCovered: return "could not cover the next stake";
    case systems::EndReason::SystemStop: return "stopped by the system's own rule";
    case systems::EndReason::SpinsDone: return "played all " + std::to_string(spins) + " spins";
    }
    return "";
}

const char* endKey(systems::EndReason end) {
    switch (end) {
    case systems::EndReason::Target: return "target";
    case systems::EndReason::StopLoss: return "stop_loss";
    case systems::EndReason::NotCovered: return "not_covered";
    case systems::EndReason::SystemStop: return "system_stop";
    case systems::EndReason::SpinsDone: return "spins_done";
    }
    return "";
}

} // namespace report
