// Resident memory of a running process, as the kernel reports it.
#pragma once

#include <sys/types.h>

namespace bench {

// VmRSS of the process in KiB, or -1 when it is gone.
long ResidentKiB(pid_t pid);

}  // namespace bench
