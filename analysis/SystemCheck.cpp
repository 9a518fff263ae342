#include "analysis/SystemCheck.h"

#include <stdexcept>

void requireValidSystem(const BettingSystem& system, std::int64_t sessions) {
    if (const std::optional<InputProblem> problem = checkSystem(system, sessions))
        throw std::invalid_argument(problem->message);
}
