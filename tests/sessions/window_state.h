// What a window shows after an action, in one line form that both windows write, so that the Qt
// and the Win32 window can be compared line by line: the sixteen box texts, the two results,
// the box with the focus, its caret and selection, and the guard's beeps so far.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "form/layout.h"
#include "sessions/session.h"

namespace sessions {

// The texts of the boxes, Text1 first.
using BoxContents = std::array<std::string, form::kBoxCount>;

struct WindowState {
    BoxContents boxes;
    std::string distance;  // Label17
    std::string course;    // Label20
    int focus = 0;         // n of the TextN with the focus, or 0
    // In the focused box, in UTF-16 units: the selected range, or twice the caret position.
    int selectionStart = 0;
    int selectionEnd = 0;
    int beeps = 0;
};

// The fields of the line in order, each by name (Text1 to Text16, Label17, Label20, focus,
// selection, beeps) and value; texts with their backslashes and control characters escaped.
std::vector<std::pair<std::string, std::string>> FieldsOf(const WindowState& state);

// The values of FieldsOf separated by tabs.
std::string LineOf(const WindowState& state);

// Whether a step expects something of the window rather than acting on it.
bool IsExpectation(const Step& step);

// What an expectation finds instead in the window as the state shows it, or nothing.
std::string Missed(const Step& expectation, const WindowState& state);

}  // namespace sessions
