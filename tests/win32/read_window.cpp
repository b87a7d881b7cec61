// Reads the running program's window from outside, as an accessibility tool would: finds it by
// its class and reads its controls by ID.
//   read_window            prints Text1..Text16, Label17, Label20 and the box with the focus
//   read_window centre C   prints the screen position of the centre of control C (Text4,
//                          Label17, ...), "x y"
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "accessibility_client.h"
#include "win32/control_ids.h"
#include "win32/utf16.h"

using win32::BoxId;
using win32::LabelId;

namespace {

std::string TextOf(HWND window, int id) {
    // WM_GETTEXT, which Windows carries across processes (GetWindowText does not).
    wchar_t buffer[256]{};
    GetDlgItemTextW(window, id, buffer, 256);
    return win32::ToUtf8(buffer);
}

std::string FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) || !info.hwndFocus)
        return "nothing";
    return win32_test::ControlName(info.hwndFocus);
}

}  // namespace

int main(int argc, char** argv) {
    const HWND window = FindWindowW(win32::kWindowClass, nullptr);
    if (!window) {
        std::fprintf(stderr, "no window of the class Fernbogen\n");
        return 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "centre") == 0) {
        const std::string name = argv[2];
        const bool label = name.rfind("Label", 0) == 0;
        const int n = std::atoi(name.c_str() + (label ? 5 : 4));
        const HWND control = GetDlgItem(window, label ? LabelId(n) : BoxId(n));
        if (!control) {
            std::fprintf(stderr, "no control %s\n", argv[2]);
            return 1;
        }
        RECT r;
        GetWindowRect(control, &r);
        std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        return 0;
    }
    for (int n = 1; n <= 16; ++n) std::printf("Text%d=%s\n", n, TextOf(window, BoxId(n)).c_str());
    for (int n : {17, 20}) std::printf("Label%d=%s\n", n, TextOf(window, LabelId(n)).c_str());
    std::printf("focus=%s\n", FocusOf(window).c_str());
    return 0;
}
