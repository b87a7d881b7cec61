// The form's logic: the handlers of the sixteen edit boxes and the recalculation of the results.
//
// Toolkit-free: it reaches the window only through Controls. The window delivers each box's
// notifications through GotFocus, KeyPress and LostFocus, which call the handler that box is
// documented with (Text1_GotFocus, text1_KeyPress, text1_LostFocus, ...). The twelve numeric boxes
// share one implementation, and so do the four letter boxes; the named handlers only say which
// box they are for.
#pragma once

#include <array>
#include <string_view>

#include "form/controls.h"
#include "form/layout.h"

namespace app {

class Form {
  public:
    explicit Form(Controls& controls) : controls_(controls) {}

    // Notifications from the window, box = n of Textn. KeyAscii is the typed character's code;
    // a handler that sets it to 0 discards the character, otherwise the box applies it.
    // Letter boxes have no focus handlers, so their focus notifications do nothing.
    void GotFocus(int box);
    void KeyPress(int box, int& KeyAscii);
    void LostFocus(int box);

    // Reads the sixteen boxes and writes the distance into Label17 and the course into Label20.
    // A coordinate out of range as a whole sets its three numeric boxes to "0", beeps and writes
    // no label.
    void Recalculate();
    // Empties both result labels.
    void ClearResults();

    // True from the moment a numeric box gains the focus until a character is typed into it.
    bool FreshFocus(int box) const { return IsNumericBox(box) && freshFocus_[box - 1]; }

    // Numeric boxes, start latitude.
    void Text1_GotFocus() { NumericGotFocus(1); }
    void text1_KeyPress(int& KeyAscii) { NumericKeyPress(1, KeyAscii); }
    void text1_LostFocus() { NumericLostFocus(1); }
    void Text2_GotFocus() { NumericGotFocus(2); }
    void text2_KeyPress(int& KeyAscii) { NumericKeyPress(2, KeyAscii); }
    void text2_LostFocus() { NumericLostFocus(2); }
    void Text3_GotFocus() { NumericGotFocus(3); }
    void text3_KeyPress(int& KeyAscii) { NumericKeyPress(3, KeyAscii); }
    void text3_LostFocus() { NumericLostFocus(3); }
    // Start longitude.
    void Text4_GotFocus() { NumericGotFocus(4); }
    void Text4_KeyPress(int& KeyAscii) { NumericKeyPress(4, KeyAscii); }
    void Text4_LostFocus() { NumericLostFocus(4); }
    void Text5_GotFocus() { NumericGotFocus(5); }
    void text5_KeyPress(int& KeyAscii) { NumericKeyPress(5, KeyAscii); }
    void text5_LostFocus() { NumericLostFocus(5); }
    void Text6_GotFocus() { NumericGotFocus(6); }
    void text6_KeyPress(int& KeyAscii) { NumericKeyPress(6, KeyAscii); }
    void text6_LostFocus() { NumericLostFocus(6); }
    // Destination latitude.
    void Text7_GotFocus() { NumericGotFocus(7); }
    void text7_KeyPress(int& KeyAscii) { NumericKeyPress(7, KeyAscii); }
    void text7_LostFocus() { NumericLostFocus(7); }
    void Text8_GotFocus() { NumericGotFocus(8); }
    void text8_KeyPress(int& KeyAscii) { NumericKeyPress(8, KeyAscii); }
    void text8_LostFocus() { NumericLostFocus(8); }
    void Text9_GotFocus() { NumericGotFocus(9); }
    void text9_KeyPress(int& KeyAscii) { NumericKeyPress(9, KeyAscii); }
    void text9_LostFocus() { NumericLostFocus(9); }
    // Destination longitude.
    void Text10_GotFocus() { NumericGotFocus(10); }
    void text10_KeyPress(int& KeyAscii) { NumericKeyPress(10, KeyAscii); }
    void text10_LostFocus() { NumericLostFocus(10); }
    void Text11_GotFocus() { NumericGotFocus(11); }
    void text11_KeyPress(int& KeyAscii) { NumericKeyPress(11, KeyAscii); }
    void text11_LostFocus() { NumericLostFocus(11); }
    void Text12_GotFocus() { NumericGotFocus(12); }
    void text12_KeyPress(int& KeyAscii) { NumericKeyPress(12, KeyAscii); }
    void text12_LostFocus() { NumericLostFocus(12); }
    // Hemisphere letters; the handlers neither read nor change KeyAscii.
    void Text13_KeyPress(int& /*KeyAscii*/) { LetterKeyPress(13); }
    void text14_KeyPress(int& /*KeyAscii*/) { LetterKeyPress(14); }
    void text15_KeyPress(int& /*KeyAscii*/) { LetterKeyPress(15); }
    void text16_KeyPress(int& /*KeyAscii*/) { LetterKeyPress(16); }

  private:
    struct Handlers {
        void (Form::*gotFocus)();
        void (Form::*keyPress)(int&);
        void (Form::*lostFocus)();
    };
    static const std::array<Handlers, kBoxCount> kHandlers;

    void NumericGotFocus(int box);
    void NumericKeyPress(int box, int& KeyAscii);
    void NumericLostFocus(int box);
    void LetterKeyPress(int box);

    // The box's value; a text the locale does not read as a finite number counts as 0.
    double Number(int box) const;
    // Writes a box only where that changes it, so a validated text keeps its caret.
    void WriteBox(int box, std::string_view text);

    Controls& controls_;
    std::array<bool, kNumericBoxCount> freshFocus_{};
};

}  // namespace app
