#include "bench/table.h"

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {

constexpr int kFigureWidth = 46;

}  // namespace

Summary Summarise(std::vector<double> runs) {
    if (runs.empty()) return {0, 0, 0};
    std::sort(runs.begin(), runs.end());
    const std::size_t n = runs.size();
    const double median = n % 2 ? runs[n / 2] : (runs[n / 2 - 1] + runs[n / 2]) / 2;
    return {median, runs.front(), runs.back()};
}

void PrintHeading(const std::string& section) {
    std::printf("\n%-*s %10s %10s %10s %-6s %-12s %s\n", kFigureWidth, section.c_str(), "median",
                "min", "max", "", "target", "holds");
}

void PrintRow(const std::string& figure, const Summary& summary, const std::string& unit,
              int decimals, std::optional<Target> target) {
    std::printf("%-*s %10.*f %10.*f %10.*f %-6s", kFigureWidth, figure.c_str(), decimals,
                summary.median, decimals, summary.min, decimals, summary.max, unit.c_str());
    if (target) {
        const bool holds =
            target->inclusive ? summary.median <= target->limit : summary.median < target->limit;
        char limit[32];
        std::snprintf(limit, sizeof limit, "%s %g", target->inclusive ? "<=" : "<", target->limit);
        std::printf(" %-12s %s", limit, holds ? "yes" : "NO");
    }
    std::printf("\n");
    std::fflush(stdout);
}

}  // namespace bench
