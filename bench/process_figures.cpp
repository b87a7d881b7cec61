#include "bench/process_figures.h"

#include <dirent.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace bench {

long ResidentKiB(pid_t pid) {
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    std::FILE* status = std::fopen(path.c_str(), "r");
    if (!status) return -1;
    long kib = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmRSS:", 6) == 0) {
            std::sscanf(line + 6, "%ld", &kib);
            break;
        }
    }
    std::fclose(status);
    return kib;
}

double CpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir) return -1;
    unsigned long long ns = 0;
    while (const dirent* task = readdir(dir)) {
        if (task->d_name[0] == '.') continue;
        // The first field of schedstat is the time on a processor in nanoseconds.
        std::FILE* schedstat = std::fopen((tasks + "/" + task->d_name + "/schedstat").c_str(), "r");
        if (!schedstat) continue;
        unsigned long long taskNs = 0;
        if (std::fscanf(schedstat, "%llu", &taskNs) == 1) ns += taskNs;
        std::fclose(schedstat);
    }
    closedir(dir);
    return ns / 1e6;
}

}  // namespace bench
