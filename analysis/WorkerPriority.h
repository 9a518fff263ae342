#pragma once

// Lowers the scheduling priority of the calling thread, so that the table's
// user-interface thread always wins the processor over an analysis. Threads
// the caller starts afterwards inherit the lowered priority on Linux.
void lowerThisThreadsPriority();
