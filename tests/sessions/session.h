// User sessions as data: what a user does in the window and what it must show afterwards. Each
// window's tests replay the same sessions through its real controls.
//
// A script is a list of steps separated by ";" (blanks around a step are dropped):
//   click TextN [EDGE]   click into a box with the mouse: in the middle, or with EDGE "left" or
//                        "right" just inside that edge, before or after the text
//   click LabelN         click on a label
//   right-click LabelN   click on a label with the right mouse button (the running program only:
//                        a result field's menu is modal in the Win32 window)
//   tab / backtab        Tab / Shift+Tab
//   type CHARS           type each character as a key press (a blank inside CHARS is a key too)
//   key NAME             one key: Enter, Escape, Backspace, Delete, Left, Right, Home, End, or
//                        Ctrl with a letter (CtrlA to CtrlZ)
//   away                 another program comes to the front; the window is no longer active
//   paste TEXT           put TEXT on the clipboard and paste it through the box's paste action
//   expect TextN = TEXT  a box's text (TEXT may be empty)
//   expect LabelN = TEXT a label's caption
//   expect focus TextN   which box has the focus
//   expect selection S-E the selected range in the box with the focus, or the caret as S-S
//   expect beeps N       how many beeps the guard has sounded since the session began
#pragma once

#include <string>
#include <vector>

namespace sessions {

enum class Action {
    Click,
    RightClick,
    Tab,
    Backtab,
    Type,
    Key,
    Away,
    Paste,
    ExpectText,
    ExpectFocus,
    ExpectSelection,
    ExpectBeeps
};

// The keys a script presses by name; Ctrl goes with a letter. The players map them in this order.
enum class Key { Enter, Escape, Backspace, Delete, Left, Right, Home, End, Ctrl };

struct Step {
    Action action;
    int control = 0;   // n of TextN or LabelN; for Click and ExpectText, negative for a label
    std::string text;  // typed or pasted text, key name, the edge clicked, expected text or range
    int count = 0;     // ExpectBeeps
    Key key = Key::Enter;
    char letter = 0;  // with Key::Ctrl, 'A' to 'Z'
};

// The step that presses the key of that name; throws std::invalid_argument on an unknown name.
Step KeyStep(const std::string& name);

// A step's control as a script names it: 12 -> "Text12", -17 -> "Label17".
std::string ControlName(int control);

// The edges a click can land just inside of.
inline constexpr char kLeftEdge[] = "left";
inline constexpr char kRightEdge[] = "right";

struct Session {
    const char* name;  // reads as a sentence
    const char* script;
};

// The steps of a script; throws std::invalid_argument on a step it cannot read.
std::vector<Step> Parse(const std::string& script);

struct NamedScript {
    std::string name;
    std::vector<Step> steps;
};

// The sessions of a step file: a line "= NAME" begins one, the lines after it hold its steps as
// a script does, and lines beginning with "#" are comments. Throws std::invalid_argument naming
// the file and line of what it cannot read.
std::vector<NamedScript> ReadStepFile(const std::string& path);

// The sessions every window must pass, in the window's default (C/English) locale.
const std::vector<Session>& AllSessions();

}  // namespace sessions
