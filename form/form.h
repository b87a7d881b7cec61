// The form's logic: what the sixteen edit boxes do with focus and typed characters, and the
// recalculation of the two results.
//
// Toolkit-free: it reaches the window only through Controls. The window delivers each box's
// notifications to GotFocus, KeyPress and LostFocus, which act by what the box is: the twelve
// numeric boxes validate and overwrite, the four letter boxes toggle their hemisphere letter.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "form/controls.h"
#include "form/layout.h"
#include "form/results.h"

namespace form {

class Form {
  public:
    explicit Form(Controls& controls) : controls_(controls) {}

    // Notifications from the window for box n of Textn; other numbers are ignored. keyAscii is
    // the typed character's code: a box that sets it to 0 discards the character, otherwise the
    // window applies it. A letter box's focus notifications do nothing.
    void GotFocus(int box);
    void KeyPress(int box, int& keyAscii);
    void LostFocus(int box);

    // Reads the sixteen boxes and writes the distance into Label17 and the course into Label20.
    // A coordinate out of range as a whole sets its three numeric boxes to "0", beeps and writes
    // no label.
    void Recalculate();
    // Empties both result labels.
    void ClearResults();

    // True from the moment a numeric box gains the focus until a character is typed into it.
    bool FreshFocus(int box) const { return IsNumericBox(box) && freshFocus_[box - 1]; }

  private:
    void NumericKeyPress(int box, int& keyAscii);
    void ValidateNumeric(int box);
    void ToggleLetter(int box);
    // Recalculate, with what the key did said first: the letter a toggle wrote, or the reset of
    // a box left.
    void Recalculate(std::string_view lead);

    // The four coordinates, or the first group out of range as a whole.
    std::variant<Coordinates, const CoordinateGroup*> ReadCoordinates() const;

    // Tells the sentence, after the lead, unless there is no lead and the same sentence was the
    // last one told since the results were last cleared.
    void Announce(std::string_view lead, std::string sentence);

    // The box's value; a text the locale does not read as a finite number counts as 0.
    double Number(int box) const;
    // Writes a box only where that changes it, so a validated text keeps its caret; true if it
    // changed.
    bool WriteBox(int box, std::string_view text);

    Controls& controls_;
    std::array<bool, kNumericBoxCount> freshFocus_{};
    std::string announced_;  // without a toggle's letter
};

}  // namespace form
