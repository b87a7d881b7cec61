// The program's window as the tests drive it: counts the guard's beeps and finds controls by ID.
#pragma once

#include <windows.h>

#include "user_input.h"
#include "win32/control_ids.h"
#include "win32/main_window.h"

namespace win32_test {

class TestWindow : public win32::MainWindow {
  public:
    TestWindow() : MainWindow(GetModuleHandleW(nullptr)) {}

    // Shows the window as the program shows it; the user at it once what that brings is handled.
    UserInput Open() {
        Show(SW_SHOWNORMAL);
        const UserInput user(Handle());
        user.settle();
        return user;
    }

    void Beep() override {
        MainWindow::Beep();
        ++beeps;
    }

    HWND Box(int n) const { return GetDlgItem(Handle(), win32::BoxId(n)); }
    HWND Label(int n) const { return GetDlgItem(Handle(), win32::LabelId(n)); }

    int beeps = 0;
};

// A top-level window of its own, active while it lives: another program for the window.
class OtherWindow {
  public:
    OtherWindow()
        : window_(CreateWindowExW(0, L"STATIC", L"elsewhere", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600,
                                  400, 200, 100, nullptr, nullptr, nullptr, nullptr)) {
        SetActiveWindow(window_);
    }
    ~OtherWindow() { DestroyWindow(window_); }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

  private:
    HWND window_;
};

}  // namespace win32_test
