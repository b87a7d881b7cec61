// The Win32 window's tests, run under Wine (tools/test.d/50-windows.sh) or on Windows.
//   win32_test                    runs the tests
//   win32_test --states SEEDS...  writes the window's states in random sessions
//                                 (tools/test.d/52-compare-windows.sh)
#include <cstring>
#include <stdexcept>

#include "sessions/generator.h"
#include "tally.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--states") == 0) {
        try {
            return win32_test::WriteStates(sessions::SeedsOf({argv + 2, argv + argc}));
        } catch (const std::invalid_argument& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 2;
        }
    }

    win32_test::Tally tally;
    win32_test::NumberTests(tally);
    win32_test::WindowTests(tally);
    win32_test::SessionTests(tally);
    win32_test::SpokenResetTests(tally);
    return tally.finish();
}
