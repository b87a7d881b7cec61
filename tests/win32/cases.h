// The Win32 window's test cases. Each runs on its own by name (win32_test NAME), so that the test
// runner counts them; a case returns what it found wrong, or nothing when it passed.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace win32_test {

struct Case {
    std::string name;  // reads as a sentence
    std::function<std::string()> run;
};

void AddNumberTests(std::vector<Case>& cases);
void AddWindowTests(std::vector<Case>& cases);
void AddSessionTests(std::vector<Case>& cases);
// Copying a result with the result field's menu.
void AddCopyTests(std::vector<Case>& cases);
// What the live region says when leaving a box writes 0 somewhere.
void AddSpokenResetTests(std::vector<Case>& cases);

// Plays the random sessions of the seeds and writes the window's state line before the first
// action and after each into the file at path, every session after a line "session SEED"; the Qt
// window's comparison reads them. The exit code of the test program.
int WriteStates(const std::string& path, const std::vector<std::uint64_t>& seeds);

}  // namespace win32_test
