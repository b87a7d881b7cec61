// The Win32 window's tests, run under Wine (tools/wine-run, by ctest) or on Windows.
//   win32_test --list                   prints the name of every case, one a line
//   win32_test NAME                     runs the case of that name
//   win32_test --states FILE SEEDS...   writes the window's states in random sessions into FILE
//   win32_test --states FILE --new N    the same for N seeds new at each run
#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include <windows.h>

#include <shellapi.h>

#include "cases.h"
#include "sessions/generator.h"
#include "win32/utf16.h"

namespace {

std::vector<std::uint64_t> SeedsOf(const std::vector<std::string>& arguments) {
    if (arguments.size() == 2 && arguments[0] == "--new") {
        std::random_device random;
        std::vector<std::uint64_t> seeds(std::stoul(arguments[1]));
        for (std::uint64_t& seed : seeds) seed = random();
        return seeds;
    }
    return sessions::SeedsOf(arguments);
}

// The arguments in UTF-8: argv has them in the ANSI code page, in which a case name such as
// "von Länge Minuten" may not even be written.
std::vector<std::string> Arguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(win32::ToUtf8(wide[i]));
    LocalFree(wide);
    return arguments;
}

}  // namespace

int main() {
    const std::vector<std::string> arguments = Arguments();
    if (arguments.size() >= 2 && arguments[0] == "--states") {
        try {
            return win32_test::WriteStates(arguments[1],
                                           SeedsOf({arguments.begin() + 2, arguments.end()}));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 2;
        }
    }

    std::vector<win32_test::Case> cases;
    win32_test::AddNumberTests(cases);
    win32_test::AddWindowTests(cases);
    win32_test::AddSessionTests(cases);
    win32_test::AddCopyTests(cases);
    win32_test::AddSpokenResetTests(cases);
    if (arguments.size() == 1 && arguments[0] == "--list") {
        for (const win32_test::Case& c : cases) std::printf("%s\n", c.name.c_str());
        return 0;
    }
    for (const win32_test::Case& c : cases) {
        if (arguments.size() != 1 || c.name != arguments[0]) continue;
        const std::string problem = c.run();
        if (problem.empty()) return 0;
        std::printf("FAILED: %s: %s\n", c.name.c_str(), problem.c_str());
        return 1;
    }
    std::fprintf(stderr, "usage: win32_test --list | NAME | --states FILE SEEDS...\n");
    return 2;
}
