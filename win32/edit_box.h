// A subclassed Win32 EDIT control that delivers the notifications the form's handlers expect: a
// character notification with keyAscii for every WM_CHAR, and focus gained and lost.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

// Where an edit box sends its notifications; the window implements it.
class BoxEvents {
  public:
    virtual ~BoxEvents() = default;
    // keyAscii is in and out: 0 afterwards discards the character.
    virtual void KeyPress(int box, int& keyAscii) = 0;
    virtual void FocusIn(int box) = 0;
    // next is the window that receives the focus: another box, or none of the window's own.
    virtual void FocusOut(int box, HWND next) = 0;
};

class EditBox {
  public:
    // Subclasses the control; it notifies events from then on.
    EditBox(HWND control, int box, BoxEvents& events);
    ~EditBox();
    EditBox(const EditBox&) = delete;
    EditBox& operator=(const EditBox&) = delete;

    HWND Handle() const { return control_; }
    int Box() const { return box_; }

    // Stops the notifications, for a window that is being torn down.
    void Detach() { events_ = nullptr; }

    std::wstring Text() const;
    // The program's own write: the caret ends at the start with nothing selected.
    void WriteText(std::wstring_view text);

  private:
    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND control_;
    int box_;
    BoxEvents* events_;
    WNDPROC original_;
};

}  // namespace win32
