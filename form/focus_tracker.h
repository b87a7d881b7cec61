// Turns a window's focus events into the form's focus notifications: one focus-lost and one
// focus-gained per real change of focus between the boxes, the old box's before the new one's.
//
// Each window tells it when a box receives the focus and when a box gives the focus to another
// control of the window. A box that only loses the focus to its own context menu or to another
// program is not left: it is neither validated when the window is deactivated nor made fresh again
// when the focus comes back to it. If the window comes back with a click into another box, that
// box's arrival closes the old box first.
#pragma once

namespace form {

class Form;

class FocusTracker {
  public:
    explicit FocusTracker(Form& form) : form_(form) {}

    void Entered(int box);
    void Left(int box);

  private:
    Form& form_;
    int focusedBox_ = 0;  // whose focus-gained went out last without a focus-lost yet
};

}  // namespace form
