// The focus reported before the caret, the text and the selection of the box it moves to.
//
// Qt moves the focus to a box before it reports the move to assistive technology (seen with 6.4
// and 6.8: a line edit reached by Tab reports its selection before its focus), and what runs in
// between changes that box: the box left is validated and may rewrite the box reached (90
// degrees resets the minutes), and Tab selects its text. Orca 43 takes a caret move in a focused
// box that it has not been told of for the focus itself, follows it without a word, and then says
// nothing at the focus report either; a text change it says as typed text ("0") and then drops
// the box's name; a selection it hears first it says on its own, and then again with the box ("0
// ausgewählt" twice). So the caret moves, text changes and the selection of the box the focus has
// moved to go unreported until its focus is reported; the screen reader then reads all of it
// with the box, and each box is said once: name, value, description. Where Qt reports the focus
// first, nothing is held back.
#pragma once

namespace qt {

// Puts the filter before every accessibility update of the application; once is enough.
void ReportFocusBeforeCaret();

}  // namespace qt
