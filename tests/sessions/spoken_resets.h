// What a screen reader is told when leaving a box writes 0 somewhere: the reset, then the results
// of the 0. The form's tests and each window's read the same rows.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace sessions {

struct SpokenReset {
    const char* name;  // reads as a sentence
    // Texts that differ from the defaults when the box is left, n of Textn.
    std::vector<std::pair<int, std::string>> texts;
    int left;            // the box left, n of Textn; never Text4, which has the focus at start
    const char* spoken;  // in the window's default (C/English) locale
};

const std::vector<SpokenReset>& AllSpokenResets();

}  // namespace sessions
