// The focus reported before the caret of the box it moves to.
//
// Qt moves the focus to a box before it reports the move to assistive technology, and what runs in
// between moves that box's caret: the box left is validated and may rewrite the box reached (90
// degrees resets the minutes), and Tab selects its text. Orca 43 takes a caret move in a focused
// box that it has not been told of for the focus itself, follows it without a word, and then says
// nothing at the focus report either. So the caret moves of the box the focus has moved to go
// unreported until its focus is reported; the screen reader then reads the caret with the box.
#pragma once

namespace qt {

// Puts the filter before every accessibility update of the application; once is enough.
void ReportFocusBeforeCaret();

}  // namespace qt
