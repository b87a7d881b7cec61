// Worked results as data: what the recalculation must write for given box texts. Each window's
// tests write the texts into its boxes, recalculate and read its labels back, so both windows
// are held to the same figures.
//
// A coordinate is written as its four boxes hold it, "degrees minutes seconds letter", for
// instance "52 31 0 N".
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "sessions/window_state.h"

namespace sessions {

// The start's latitude and longitude, then the destination's.
struct Points {
    const char* lat1;
    const char* lon1;
    const char* lat2;
    const char* lon2;
};

// The texts of Text1 to Text16 (index 0 is Text1) for a start and a destination.
BoxContents BoxTexts(const Points& points);

struct WorkedResult {
    const char* name;  // reads as a sentence
    Points points;
    const char* distance;  // Label17
    const char* course;    // Label20
};

// A coordinate out of range as a whole: its three numeric boxes read "0" afterwards, the
// window beeps once, every other box keeps its text and neither label changes.
struct GuardTrip {
    const char* name;
    Points points;
    std::array<int, 3> zeroed;  // n of Textn
};

// In the window's default (C/English) locale.
const std::vector<WorkedResult>& AllWorkedResults();
const std::vector<GuardTrip>& AllGuardTrips();

// What the labels read before the recalculation, which a guard trip leaves.
inline constexpr char kEarlierDistance[] = "earlier distance";
inline constexpr char kEarlierCourse[] = "earlier course";

// A window as it opens with the texts in its boxes and the earlier captions in its labels,
// recalculated: what it then shows.
using Recalculated = std::function<WindowState(const BoxContents& texts)>;

// What a window gets wrong of the worked results, and of the guard trips: a line for each row
// that it gets wrong, or nothing.
std::string WrongWorkedResults(const Recalculated& recalculated);
std::string WrongGuardTrips(const Recalculated& recalculated);

// A result copied by its field's menu: with the boxes of a worked result, or of the window as it
// opens, and the user's decimal separator, the field's "Kopieren" is enabled where the field
// shows a text and puts exactly that text on the clipboard.
struct CopiedResult {
    const char* name;
    const char* worked;  // the name of a worked result, or nothing for the empty fields
    int field;           // n of Labeln
    char decimalSeparator;
};

const std::vector<CopiedResult>& AllCopiedResults();

// The worked result a copy starts from; throws std::invalid_argument for a name not among them.
const WorkedResult& WorkedResultNamed(const char* name);

// What the field shows, and so what "Kopieren" copies; empty for an empty field.
std::string CopiedText(const CopiedResult& copied);

}  // namespace sessions
