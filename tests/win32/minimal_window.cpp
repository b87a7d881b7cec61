// The least a Win32 program does to show a window with text, the yardstick for fernbogen.exe's
// start-up: one edit box and one label in a font of their own, in a window of fernbogen's size.
// An empty window would skip the fonts, and so be no fair floor. It is also another program to
// switch to, and it stays clear of where fernbogen.exe opens.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"Minimal";
    RegisterClassW(&windowClass);
    const HWND window =
        CreateWindowW(L"Minimal", L"minimal window", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 600,
                      300, 509, 204, nullptr, nullptr, instance, nullptr);
    const HFONT font = CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                   0, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, L"MS Sans Serif");
    const HWND edit = CreateWindowW(L"EDIT", L"0", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_CENTER, 4,
                                    40, 41, 24, window, nullptr, instance, nullptr);
    const HWND label = CreateWindowW(L"STATIC", L"Länge", WS_CHILD | WS_VISIBLE, 228, 48, 44, 16,
                                     window, nullptr, instance, nullptr);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ShowWindow(window, showCommand);
    SetFocus(edit);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    DeleteObject(font);
    return 0;
}
