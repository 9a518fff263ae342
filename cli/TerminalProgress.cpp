#include "cli/TerminalProgress.h"

#include <cstdio>
#include <unistd.h>

TerminalProgress::TerminalProgress() : terminal_(isatty(STDERR_FILENO) == 1) {}

TerminalProgress::~TerminalProgress() {
    if (shown_ >= 0)
        std::fputs("\r                         \r", stderr);
}

ProgressSink TerminalProgress::sink() {
    if (!terminal_)
        return {};
    return [this](double share) { show(share); };
}

void TerminalProgress::show(double share) {
    const int percent = static_cast<int>(share * 100);
    // Workers report from their own threads; one line, written in order.
    const std::lock_guard lock(mutex_);
    if (percent <= shown_)
        return;
    shown_ = percent;
    std::fprintf(stderr, "\ranalysing... %3d%%", percent);
    std::fflush(stderr);
}
