// The program's message loop. Tab and Shift+Tab move the focus through the dialog manager
// (IsDialogMessage), which walks the boxes in the order they were created.
#pragma once

#include <windows.h>

namespace win32 {

// Handles one message from the queue as the loop does; for tests that pump the queue themselves.
void RouteMessage(HWND window, MSG& message);

// Runs until the window is destroyed; returns the program's exit code.
int RunMessageLoop(HWND window);

}  // namespace win32
