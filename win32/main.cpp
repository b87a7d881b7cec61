#include <windows.h>

#include "win32/main_window.h"
#include "win32/message_loop.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    win32::MainWindow window(instance);
    window.Show(showCommand);
    return win32::RunMessageLoop(window.Handle());
}
