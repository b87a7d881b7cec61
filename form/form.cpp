#include "form/form.h"

#include <cmath>
#include <string>
#include <utility>
#include <variant>

#include "form/accessible_text.h"
#include "form/key_codes.h"
#include "form/texts.h"
#include "geo/angle.h"
#include "geo/constants.h"

namespace form {

namespace {

bool IsDigit(int keyAscii) {
    return keyAscii >= '0' && keyAscii <= '9';
}

}  // namespace

void Form::GotFocus(int box) {
    if (IsNumericBox(box)) freshFocus_[box - 1] = true;
}

void Form::KeyPress(int box, int& keyAscii) {
    if (IsNumericBox(box))
        NumericKeyPress(box, keyAscii);
    else if (IsLetterBox(box))
        ToggleLetter(box);
}

void Form::LostFocus(int box) {
    if (IsNumericBox(box)) ValidateNumeric(box);
}

void Form::NumericKeyPress(int box, int& keyAscii) {
    const bool edits = IsDigit(keyAscii) || keyAscii == kBackspace;
    // The first digit or Backspace after focusing replaces the content. Enter and the characters
    // the box refuses are no entry: a value tabbed to and confirmed with Enter, or a stray letter,
    // must not wipe what the box holds, and the next digit still replaces it.
    if (freshFocus_[box - 1] && edits) {
        WriteBox(box, "");
        freshFocus_[box - 1] = false;
    }
    ClearResults();
    // Enter validates at once and the focus stays; in a box already edited, further digits edit
    // the validated text.
    if (keyAscii == kEnter) ValidateNumeric(box);
    if (!edits) keyAscii = 0;
}

void Form::ValidateNumeric(int box) {
    // Someone who does not see a box turn to 0 hears it, before the results of the 0.
    std::string reset;
    const std::string text = controls_.BoxText(box);
    if (!controls_.ToNumber(text)) {
        WriteBox(box, texts::kZero);
        reset = ResetAnnouncement(box, text.empty() ? Reset::Empty : Reset::NotANumber);
    }
    const double limit = UpperLimitOf(box);
    if (Number(box) > limit) {
        WriteBox(box, texts::kZero);
        reset = ResetAnnouncement(box, Reset::OutOfRange);
    }
    // Read once more: a degrees value that was too large is "0" by now and no longer at the limit.
    if (IsDegreesBox(box) && Number(box) == limit) {
        const CoordinateGroup& group = GroupOf(box);
        const bool minutes = WriteBox(group.minutes, texts::kZero);
        const bool seconds = WriteBox(group.seconds, texts::kZero);
        if (minutes || seconds) reset = LimitResetAnnouncement(group, minutes, seconds);
    }
    Recalculate(reset);
}

void Form::ToggleLetter(int box) {
    ClearResults();
    const LetterToggle& toggle = ToggleOf(box);
    // Anything but exactly the test letter (an empty box, a lower-case letter) becomes it.
    const bool isTestLetter = controls_.BoxText(box) == toggle.testLetter;
    const char* letter = isTestLetter ? toggle.otherLetter : toggle.testLetter;
    WriteBox(box, letter);
    Recalculate(letter);
}

void Form::ClearResults() {
    controls_.SetLabelCaption(kDistanceLabel, "");
    controls_.SetLabelCaption(kCourseLabel, "");
    // What was said of the results goes with them, so that nothing stale is heard later.
    if (!announced_.empty()) {
        controls_.Announce("");
        announced_.clear();
    }
}

void Form::Recalculate() {
    Recalculate("");
}

void Form::Recalculate(std::string_view lead) {
    const std::variant<Coordinates, const CoordinateGroup*> reading = ReadCoordinates();
    if (const auto* outOfRange = std::get_if<const CoordinateGroup*>(&reading)) {
        const CoordinateGroup& group = **outOfRange;
        WriteBox(group.degrees, texts::kZero);
        WriteBox(group.minutes, texts::kZero);
        WriteBox(group.seconds, texts::kZero);
        controls_.Beep();
        // The beep alone says nothing to someone who does not see the boxes change.
        Announce(lead, OutOfRangeAnnouncement(group));
        return;
    }
    const Results results = ResultsOf(std::get<Coordinates>(reading));
    const std::string separator = controls_.DecimalSeparator();
    controls_.SetLabelCaption(kDistanceLabel, DistanceCaption(results, separator));
    controls_.SetLabelCaption(kCourseLabel, CourseCaption(results, separator));
    Announce(lead, ResultsAnnouncement(results, separator));
}

std::variant<Coordinates, const CoordinateGroup*> Form::ReadCoordinates() const {
    Coordinates c{};
    // The groups are read in the table's order, which decides which group the guard resets when
    // more than one is out of range.
    for (const CoordinateGroup& group : kCoordinateGroups) {
        double value =
            geo::ToRadians(Number(group.degrees), Number(group.minutes), Number(group.seconds));
        const double limit = group.latitude ? geo::kHalfPiLimit : geo::kPi;
        // Only a pasted number can be negative; one so large that its radians overflow is as
        // much out of range as one above the limit.
        if (value > limit || !std::isfinite(value)) return &group;
        if (controls_.BoxText(group.letter) == group.negativeLetter) value = value * -1;
        double& target =
            group.latitude ? (group.start ? c.lat1 : c.lat2) : (group.start ? c.lon1 : c.lon2);
        target = value;
    }
    return c;
}

void Form::Announce(std::string_view lead, std::string sentence) {
    // Leaving a box unchanged recalculates the same results: saying them at every Tab would bury
    // the names of the boxes the user moves through. A lead is no part of them.
    if (lead.empty() && sentence == announced_) return;
    controls_.Announce(lead.empty() ? sentence : AfterLead(lead, sentence));
    announced_ = std::move(sentence);
}

double Form::Number(int box) const {
    return controls_.ToNumber(controls_.BoxText(box)).value_or(0);
}

bool Form::WriteBox(int box, std::string_view text) {
    if (controls_.BoxText(box) == text) return false;
    controls_.SetBoxText(box, text);
    return true;
}

}  // namespace form
