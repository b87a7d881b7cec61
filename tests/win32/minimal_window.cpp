// The least a Win32 program does to show a window: the yardstick for fernbogen.exe's start-up,
// and another program to switch to. It stays clear of where fernbogen.exe opens.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"Minimal";
    RegisterClassW(&windowClass);
    const HWND window =
        CreateWindowW(L"Minimal", L"minimal window", WS_OVERLAPPEDWINDOW, 600, 300, 300, 200,
                      nullptr, nullptr, instance, nullptr);
    ShowWindow(window, showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
