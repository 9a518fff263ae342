#pragma once

#include <vector>

#include "game/Money.h"
#include "systems/SystemAnalysis.h"

class QChart;

// The charts of a system's sessions. Each function replaces what the chart
// showed before.

// The bankroll of each sample session, spin by spin, in dollars, drawn over
// the sessions' percentile bands when there are any.
void showSamplePaths(QChart* chart, const std::vector<systems::SamplePath>& paths,
                     const std::vector<BankrollBand>& bands, Money chipValue);

// The chance, in percent, that a session is still playing at spin n.
void showStillPlaying(QChart* chart, const std::vector<double>& stillPlaying);
