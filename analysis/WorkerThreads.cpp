#include "analysis/WorkerThreads.h"

std::thread startPlainThread(std::function<void()> body) { return std::thread(std::move(body)); }
