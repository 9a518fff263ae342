#include "analysis/WorkerPriority.h"

#if defined(__linux__)
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {
constexpr int kWorkerNice = 5;
}

void lowerThisThreadsPriority() {
#if defined(__linux__)
    // On Linux the nice value belongs to the thread, not the process, so this
    // leaves the user-interface thread where it is. SCHED_BATCH tells the
    // scheduler the thread is throughput work that need not preempt anyone.
    // Both calls may be refused (a container, a policy); the analysis then
    // simply runs at the ordinary priority.
    // Nice 5 rather than 19: at 19 a thread beside two busy programs got the
    // processor so seldom that a cancelled analysis took over a second to
    // stop, and a thread cannot raise its priority again to stop sooner. At 5
    // the table's thread still wins every contest for the processor.
    const sched_param param{};
    (void)sched_setscheduler(0, SCHED_BATCH, &param);
    (void)setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kWorkerNice);
#endif
}
