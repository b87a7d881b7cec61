#include "sessions/session.h"

namespace sessions {

const std::vector<Session>& AllSessions() {
    static const std::vector<Session> all{
        // The window as it opens.
        {"a fresh start shows no results and has not beeped",
         "expect Label17 = ; expect Label20 = ; expect beeps 0"},
        {"Shift+Tab runs the same order backwards from the first box to the last",
         "backtab; expect focus Text15; backtab; expect focus Text9; backtab; expect focus Text8;"
         "click Text1; backtab; expect focus Text14; backtab; expect focus Text6"},
        {"tabbing through every box wraps to the first and changes no text",
         "tab; tab; tab; tab; tab; tab; tab; tab; tab; tab; tab; tab; tab; tab; tab; tab;"
         "expect focus Text4; expect Text13 = N; expect Text14 = W; expect Text15 = S;"
         "expect Text16 = E; expect Text4 = 0; expect Label17 = 0.00 Km; expect Label20 = egal"},

        // A whole calculation as a user types it.
        {"Berlin to Munich typed with Tab and the letter toggles",
         "type 13; tab; type 24; tab; tab; type e; tab; type 52; tab; type 31; tab; tab; tab;"
         "type 11; tab; type 35; tab; tab; tab; type 48; tab; type 8; tab; tab; type n;"
         "expect Text14 = E; expect Text13 = N; expect Text16 = E; expect Text15 = N;"
         "expect Label17 = 503.9 Km; expect Label20 = 195.5 Grad; expect beeps 0"},

        // The first key after focusing replaces the content; later keys edit it.
        {"a digit as the first key replaces the content and empties the results",
         "click Text2; type 30; tab; expect Label17 = 55.57 Km; click Text2; type 5;"
         "expect Text2 = 5; expect Label17 = ; expect Label20 = ; type 7; expect Text2 = 57"},
        {"a letter as the first key is refused, keeps the value, and the next digit replaces it",
         "click Text2; type 30; tab; click Text2; type a; expect Text2 = 30; expect Label17 = ;"
         "tab; expect Label17 = 55.57 Km; click Text2; type a; type 4; expect Text2 = 4"},
        {"Backspace as the first key leaves the box empty",
         "click Text5; type 12; tab; click Text5; key Backspace; expect Text5 = "},
        {"Enter in a box just tabbed to keeps its 13, recalculates and keeps the focus",
         "click Text2; type 13; tab; backtab; key Enter; expect Text2 = 13; expect focus Text2;"
         "expect Label17 = 24.08 Km; expect Label20 = 180.0 Grad; type 5; expect Text2 = 5;"
         "click Text8 right; key Enter; type 7; expect Text8 = 7"},
        {"after Enter in the start longitude 1 and 2 give 120",
         "click Text4; key Backspace; key Enter; type 12; expect Text4 = 120"},
        {"a text that validation leaves alone keeps its caret: 5, Enter, 3 gives 53",
         "click Text2; type 5; key Enter; type 3; expect Text2 = 53"},

        // Only digits and Backspace are typed; every other character is discarded yet clears.
        {"every discarded character still empties both results",
         "click Text2; key Enter; type x; expect Text2 = 0; expect Label17 = ; expect Label20 = ;"
         "key Enter; expect Label17 = 0.00 Km; type  ; expect Label17 = ; key Enter; type -;"
         "expect Label20 = ; key Enter; type ,; expect Label17 = ; key Enter; type .;"
         "expect Label17 = ; key Enter; key Escape; expect Label17 = ; key Enter; key CtrlV;"
         "expect Label17 = ; expect Label20 = ; expect Text2 = 0"},
        {"a discarded Ctrl+V pastes nothing",
         "click Text5; paste 12; tab; click Text5; type 3; key CtrlV; expect Text5 = 3"},
        {"keys without a character reach no handler and leave the results",
         "click Text2; type 45; key Enter; expect Label17 = 83.35 Km; key Home; key Delete;"
         "expect Text2 = 5; expect Label17 = 83.35 Km; key End; key Left; key Right;"
         "expect Label17 = 83.35 Km; type 1; expect Text2 = 51; expect Label17 = "},

        // Validation when a box is left.
        {"95 left for another program and a click into the start longitude becomes 0",
         "click Text1; type 95; away; click Text4; expect Text1 = 0; expect focus Text4"},
        {"a click back from another program into another box validates, recalculates and is fresh",
         "click Text2; type 30; away; click Text5; expect focus Text5; expect Label17 = 55.57 Km;"
         "type 1; expect Text5 = 1"},
        {"95 in the start latitude becomes 0, its minutes and seconds stay",
         "click Text2; type 30; click Text3; type 15; click Text1; type 95; tab; expect Text1 = 0;"
         "expect Text2 = 30; expect Text3 = 15"},
        {"90 in the start latitude zeroes its minutes and seconds and is a pole",
         "click Text2; type 30; click Text3; type 15; click Text1; type 90; tab;"
         "expect Text1 = 90; expect Text2 = 0; expect Text3 = 0; expect Label17 = 10002 km;"
         "expect Label20 = 0.0te LngnGrd W"},
        {"180 in the start longitude zeroes its minutes and seconds",
         "click Text5; type 10; tab; type 20; click Text4; type 180; tab; expect Text4 = 180;"
         "expect Text5 = 0; expect Text6 = 0"},
        {"181 in the destination longitude becomes 0, its minutes and seconds stay",
         "click Text11; type 7; tab; type 8; click Text10; type 181; tab; expect Text10 = 0;"
         "expect Text11 = 7; expect Text12 = 8"},
        {"60 in a minutes or seconds box becomes 0, 59 stays",
         "click Text2; type 60; tab; expect Text2 = 0; type 59; tab; expect Text3 = 59;"
         "click Text12; type 60; key Enter; expect Text12 = 0"},

        // Results at their edges.
        {"from the north pole the meridians 0 degrees west and 179 degrees 30 minutes east",
         "click Text1; type 90; click Text16; type x; expect Label17 = 10002 km;"
         "expect Label20 = 0.0te LngnGrd W; click Text10; type 179; tab; type 30; tab; tab;"
         "type x; expect Label20 = 179.5te LngnGrd E"},
        {"one second of longitude apart is just past the snapping of identical points",
         "click Text1; type 22; tab; type 39; click Text7; type 22; tab; type 39; click Text15;"
         "type x; click Text16; type x; click Text12; type 1; key Enter; expect Label17 = 0.028 Km;"
         "expect Label20 = 270.0 Grad"},

        // The hemisphere letters.
        {"a key in any letter box flips it, a second flips it back",
         "click Text13; type x; expect Text13 = S; expect Label20 = egal; key Backspace;"
         "expect Text13 = N; click Text14; type 1; expect Text14 = E; click Text15; key Enter;"
         "expect Text15 = N; click Text16; key Escape; expect Text16 = W; type  ;"
         "expect Text16 = E"},
        {"a lower-case s in the start latitude becomes an upper-case S",
         "click Text13; paste s; type x; expect Text13 = S"},
        {"a letter box emptied with Delete counts as north until the next key",
         "click Text1; type 10; click Text13; type x; expect Text13 = S;"
         "expect Label20 = 360.0 Grad; key Home; key Delete; expect Text13 = ;"
         "expect Label20 = 360.0 Grad; click Text1; tab; expect Label20 = 180.0 Grad;"
         "click Text13; type 1; expect Text13 = S; expect Label20 = 360.0 Grad"},
        {"clicking through the letter boxes changes nothing",
         "click Text13; click Text14; click Text15; click Text16; expect Text13 = N;"
         "expect Text14 = W; expect Text15 = S; expect Text16 = E"},

        // Pasted text, the only way to get anything but digits in.
        {"pasted text that is no finite number becomes 0 when the box is left",
         "click Text4; paste 1E400; tab; expect Text4 = 0; click Text4; paste NaN; tab;"
         "expect Text4 = 0; click Text4; paste inf; tab; expect Text4 = 0; click Text10;"
         "paste 1e999999; key Enter; expect Text10 = 0; click Text2;"
         "paste ab; tab; expect Text2 = 0; click Text2; paste  ; tab; expect Text2 = 0;"
         "click Text2; paste 99999999999999999999999999999999999999; tab; expect Text2 = 0;"
         "expect Label17 = 0.00 Km; expect Label20 = egal; expect beeps 0"},
        {"a pasted negative or fractional value is kept",
         "click Text2; paste -5; tab; expect Text2 = -5; click Text3; paste .5; tab;"
         "expect Text3 = .5"},

        // Where the two windows once differed in random sessions.
        {"Tab selects the text of the next box, but leaves the caret at the start of one that the "
         "box left has just reset",
         "click Text4; type 123; tab; backtab; expect focus Text4; expect selection 0-3;"
         "click Text11; type 19; click Text10; type 180; tab; expect Text11 = 0;"
         "expect focus Text11; expect selection 0-0"},
        {"a click puts the caret where it lands, but at the start of a box that the guard has just "
         "reset",
         "click Text4; type 180; click Text5; type 30; click Text4 right; expect beeps 1;"
         "expect Text4 = 0; expect selection 0-0; click Text5; click Text4 right;"
         "expect selection 1-1"},
        {"a click right of a pasted text puts the caret after it",
         "paste 2E1; click Text11; click Text4 right; expect selection 3-3"},
        {"Ctrl+H empties the results like Backspace but deletes nothing",
         "click Text2; type 45; key Enter; expect Label17 = 83.35 Km; key CtrlH; expect Text2 = 45;"
         "expect Label17 = ; key Backspace; expect Text2 = 4"},
    };
    return all;
}

}  // namespace sessions
