// A user at the keyboard and mouse, through the real Win32 messages: key downs that the message
// loop translates into characters, Tab through the dialog manager, mouse clicks into boxes and
// the clipboard. The queue is pumped exactly as the program's own loop does.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32_test {

class UserInput {
  public:
    explicit UserInput(HWND window) : window_(window) {}

    // Handles everything queued.
    void pump() const;
    // Handles everything queued, then waits briefly for what that posts in turn.
    void settle() const;

    // Where in a control a click lands: its middle, or just inside its left or right edge.
    enum class Spot { Middle, LeftEdge, RightEdge };

    void click(HWND control, Spot spot = Spot::Middle) const;
    // Returns once what the click opened, a menu with a loop of its own, is closed again.
    void rightClick(HWND control) const;
    void pressKey(UINT virtualKey, bool shift = false, bool control = false) const;
    // Types each character with the key that produces it, or sends it as a character of its own
    // where no key on the keyboard does.
    void type(std::wstring_view text) const;
    // Puts text on the clipboard and pastes it over the focused box's whole text.
    void paste(std::wstring_view text) const;

  private:
    void press(HWND control, Spot spot, UINT down, WPARAM held, UINT up) const;

    HWND window_;
};

// The clipboard's Unicode text, as another program would paste it.
std::wstring ClipboardText();

}  // namespace win32_test
