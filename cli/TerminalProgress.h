#pragma once

#include <mutex>

#include "analysis/SessionAnalysis.h"

// Shows the share of an analysis done on standard error, on one line that is
// rewritten in place, but only when standard error is a terminal: a script
// that reads the output sees nothing of it.
class TerminalProgress {
public:
    TerminalProgress();
    ~TerminalProgress(); // ends the line it wrote on

    // A sink for the analyser, or an empty one when there is no terminal.
    ProgressSink sink();

private:
    void show(double share);
    bool terminal_;
    std::mutex mutex_;
    int shown_ = -1; // the whole percent last written
};
