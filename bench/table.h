// The benchmarks' table: each figure is several runs summed up as median, min and max, printed in
// one row with its target and whether the target holds.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bench {

struct Summary {
    double median;
    double min;
    double max;
};

Summary Summarise(std::vector<double> runs);

// A target a figure's median must stay below, or at or below.
struct Target {
    double limit;
    bool inclusive;
};

void PrintHeading(const std::string& section);

// Values are printed with the given number of decimals; without a target the last columns stay
// empty.
void PrintRow(const std::string& figure, const Summary& summary, const std::string& unit,
              int decimals, std::optional<Target> target = std::nullopt);

}  // namespace bench
