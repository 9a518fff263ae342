#include "analysis/WorkerPriority.h"

#if defined(__linux__)
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

void lowerThisThreadsPriority() {
#if defined(__linux__)
    // On Linux the nice value belongs to the thread, not the process, so this
    // leaves the user-interface thread where it is. SCHED_BATCH tells the
    // scheduler the thread is throughput work that need not preempt anyone.
    // Both calls may be refused (a container, a policy); the analysis then
    // simply runs at the ordinary priority.
    const sched_param param{};
    (void)sched_setscheduler(0, SCHED_BATCH, &param);
    (void)setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
#endif
}
