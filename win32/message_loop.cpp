#include "win32/message_loop.h"

namespace win32 {

void RouteMessage(HWND window, MSG& message) {
    if (IsDialogMessageW(window, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int RunMessageLoop(HWND window) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) RouteMessage(window, message);
    return static_cast<int>(message.wParam);
}

}  // namespace win32
