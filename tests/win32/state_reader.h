// What the program's window shows, in the line form the Qt window writes too, read by messages
// that Windows carries across processes: from the test's own window and from the running program
// alike.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "form/layout.h"
#include "sessions/window_state.h"

namespace win32_test {

// A control's text by WM_GETTEXT, which Windows carries across processes (GetWindowText does not).
std::string TextOf(HWND control);

class StateReader {
  public:
    // The controls are looked up once: under Wine every lookup is a round trip to the server.
    explicit StateReader(HWND window);

    // The box with the focus in the window's thread, or nothing.
    HWND Focus() const;

    // The guard's beeps are counted by the caller.
    sessions::WindowState State(int beeps) const;

  private:
    DWORD thread_;
    std::array<HWND, form::kBoxCount> boxes_{};
    HWND distance_;
    HWND course_;
};

}  // namespace win32_test
