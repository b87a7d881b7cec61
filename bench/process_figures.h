// What the kernel reports of a running process: its resident memory and the processor time it has
// used.
#pragma once

#include <sys/types.h>

namespace bench {

// VmRSS of the process in KiB, or -1 when it is gone.
long ResidentKiB(pid_t pid);

// Processor time all threads of the process have run so far, in milliseconds; -1 when it is gone.
// Unlike wall time, it hardly changes when other work shares the machine.
double CpuMs(pid_t pid);

}  // namespace bench
