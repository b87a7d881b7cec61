// Counts the test cases and prints the failures and the closing "N passed, N failed" line.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace win32_test {

class Tally {
  public:
    // A case passes when nothing was found wrong (problem is empty).
    void record(const std::string& name, const std::string& problem) {
        if (problem.empty()) {
            ++passed_;
            return;
        }
        ++failed_;
        std::printf("FAILED: %s: %s\n", name.c_str(), problem.c_str());
    }

    // Prints the closing line; the exit code of the test program.
    int finish() const {
        std::printf("%d passed, %d failed\n", passed_, failed_);
        std::fflush(stdout);
        return failed_ == 0 ? 0 : 1;
    }

  private:
    int passed_ = 0;
    int failed_ = 0;
};

void NumberTests(Tally& tally);
void WindowTests(Tally& tally);
void SessionTests(Tally& tally);
void SpokenResetTests(Tally& tally);

// Plays the random sessions of the seeds and prints the window's state line before the first
// action and after each, every session after a line "session SEED"; the Qt window's comparison
// reads them. The exit code of the test program.
int WriteStates(const std::vector<std::uint64_t>& seeds);

}  // namespace win32_test
