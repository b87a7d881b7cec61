// A subclassed Win32 EDIT control that delivers the notifications the form's handlers expect: a
// character notification with KeyAscii for every WM_CHAR, and focus gained and lost.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace app::win32 {

// Where an edit box sends its notifications; the window implements it.
class BoxEvents {
  public:
    virtual ~BoxEvents() = default;
    // KeyAscii is in and out: 0 afterwards discards the character.
    virtual void keyPress(int box, int& KeyAscii) = 0;
    virtual void focusIn(int box) = 0;
    // next is the window that receives the focus: another box, or none of the window's own.
    virtual void focusOut(int box, HWND next) = 0;
};

class EditBox {
  public:
    // Subclasses the control; it notifies events from then on.
    EditBox(HWND control, int box, BoxEvents& events);
    ~EditBox();
    EditBox(const EditBox&) = delete;
    EditBox& operator=(const EditBox&) = delete;

    HWND handle() const { return control_; }
    int box() const { return box_; }

    // Stops the notifications, for a window that is being torn down.
    void detach() { events_ = nullptr; }

    std::wstring text() const;
    // The program's own write: the caret ends at the start with nothing selected.
    void writeText(std::wstring_view text);

  private:
    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND control_;
    int box_;
    BoxEvents* events_;
    WNDPROC original_;
};

}  // namespace app::win32
