#include "user_input.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>

#include "win32/clipboard.h"
#include "win32/message_loop.h"

namespace win32_test {

namespace {

bool IsExtendedKey(UINT virtualKey) {
    constexpr UINT kExtended[] = {VK_LEFT, VK_RIGHT, VK_UP,     VK_DOWN,
                                  VK_HOME, VK_END,   VK_DELETE, VK_INSERT};
    return std::find(std::begin(kExtended), std::end(kExtended), virtualKey) != std::end(kExtended);
}

// Holds Shift and Ctrl down as far as GetKeyState and the translation of keys can tell.
class HeldModifiers {
  public:
    HeldModifiers(bool shift, bool control) {
        GetKeyboardState(saved_);
        BYTE state[256];
        std::memcpy(state, saved_, sizeof state);
        if (shift) state[VK_SHIFT] = state[VK_LSHIFT] = 0x80;
        if (control) state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldModifiers() { SetKeyboardState(saved_); }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

  private:
    BYTE saved_[256];
};

}  // namespace

void UserInput::pump() const {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        // A window closed by an earlier test posts the quit message of the program's loop.
        if (message.message == WM_QUIT) continue;
        win32::RouteMessage(window_, message);
    }
}

void UserInput::settle() const {
    pump();
    // Wine's X11 driver delivers focus and activation changes a moment later.
    while (MsgWaitForMultipleObjects(0, nullptr, FALSE, 30, QS_ALLINPUT) == WAIT_OBJECT_0) pump();
}

void UserInput::press(HWND control, Spot spot, UINT down, WPARAM held, UINT up) const {
    RECT client;
    GetClientRect(control, &client);
    int x = client.right / 2;
    if (spot == Spot::LeftEdge) x = 1;
    if (spot == Spot::RightEdge) x = client.right - 2;
    const LPARAM at = MAKELPARAM(x, client.bottom / 2);
    PostMessageW(control, down, held, at);
    pump();
    PostMessageW(control, up, 0, at);
    pump();
}

void UserInput::click(HWND control, Spot spot) const {
    press(control, spot, WM_LBUTTONDOWN, MK_LBUTTON, WM_LBUTTONUP);
}

void UserInput::rightClick(HWND control) const {
    press(control, Spot::Middle, WM_RBUTTONDOWN, MK_RBUTTON, WM_RBUTTONUP);
}

void UserInput::pressKey(UINT virtualKey, bool shift, bool control) const {
    // Setting the keyboard state is a round trip to the Wine server, twice; most keys go without.
    std::optional<HeldModifiers> held;
    if (shift || control) held.emplace(shift, control);
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    const LPARAM down =
        1 | static_cast<LPARAM>(scanCode) << 16 | (IsExtendedKey(virtualKey) ? LPARAM{1} << 24 : 0);
    PostMessageW(GetFocus(), WM_KEYDOWN, virtualKey, down);
    pump();
    PostMessageW(GetFocus(), WM_KEYUP, virtualKey, down | LPARAM{1} << 30 | LPARAM{1} << 31);
    pump();
}

void UserInput::type(std::wstring_view text) const {
    for (const wchar_t character : text) {
        const SHORT key = VkKeyScanW(character);
        if (key != -1) {
            pressKey(LOBYTE(key), HIBYTE(key) & 1, HIBYTE(key) & 2);
            continue;
        }
        PostMessageW(GetFocus(), WM_CHAR, character, 1);
        pump();
    }
}

void UserInput::paste(std::wstring_view text) const {
    win32::PutTextOnClipboard(window_, text);
    const HWND box = GetFocus();
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, WM_PASTE, 0, 0);
    pump();
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (const HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(memory));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

}  // namespace win32_test
