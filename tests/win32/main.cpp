// The Win32 window's tests, run under Wine (tools/test.d/50-windows.sh) or on Windows.
#include "tally.h"

int main() {
    win32_test::Tally tally;
    win32_test::NumberTests(tally);
    win32_test::WindowTests(tally);
    win32_test::SessionTests(tally);
    return tally.finish();
}
