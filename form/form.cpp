#include "form/form.h"

#include <cmath>
#include <string>

#include "form/number_pattern.h"
#include "form/texts.h"
#include "geo/angle.h"
#include "geo/constants.h"
#include "geo/great_circle.h"

namespace app {

namespace {

constexpr int kEnter = 13;
constexpr int kBackspace = 8;

bool IsDigit(int keyAscii) {
    return keyAscii >= '0' && keyAscii <= '9';
}

// The distance pattern by the order of magnitude m = log10(dist): the fewer digits before the
// separator, the more after it.
const char* DistancePattern(double m) {
    if (m < 1) return texts::kDistanceUnder10;
    if (m < 2) return texts::kDistanceUnder100;
    if (m < 3) return texts::kDistanceUnder1000;
    return texts::kDistanceFrom1000;
}

}  // namespace

const std::array<Form::Handlers, kBoxCount> Form::kHandlers{{
    {&Form::Text1_GotFocus, &Form::text1_KeyPress, &Form::text1_LostFocus},
    {&Form::Text2_GotFocus, &Form::text2_KeyPress, &Form::text2_LostFocus},
    {&Form::Text3_GotFocus, &Form::text3_KeyPress, &Form::text3_LostFocus},
    {&Form::Text4_GotFocus, &Form::Text4_KeyPress, &Form::Text4_LostFocus},
    {&Form::Text5_GotFocus, &Form::text5_KeyPress, &Form::text5_LostFocus},
    {&Form::Text6_GotFocus, &Form::text6_KeyPress, &Form::text6_LostFocus},
    {&Form::Text7_GotFocus, &Form::text7_KeyPress, &Form::text7_LostFocus},
    {&Form::Text8_GotFocus, &Form::text8_KeyPress, &Form::text8_LostFocus},
    {&Form::Text9_GotFocus, &Form::text9_KeyPress, &Form::text9_LostFocus},
    {&Form::Text10_GotFocus, &Form::text10_KeyPress, &Form::text10_LostFocus},
    {&Form::Text11_GotFocus, &Form::text11_KeyPress, &Form::text11_LostFocus},
    {&Form::Text12_GotFocus, &Form::text12_KeyPress, &Form::text12_LostFocus},
    {nullptr, &Form::Text13_KeyPress, nullptr},
    {nullptr, &Form::text14_KeyPress, nullptr},
    {nullptr, &Form::text15_KeyPress, nullptr},
    {nullptr, &Form::text16_KeyPress, nullptr},
}};

void Form::GotFocus(int box) {
    if (box < 1 || box > kBoxCount) return;
    if (auto handler = kHandlers[box - 1].gotFocus) (this->*handler)();
}

void Form::KeyPress(int box, int& KeyAscii) {
    if (box < 1 || box > kBoxCount) return;
    (this->*kHandlers[box - 1].keyPress)(KeyAscii);
}

void Form::LostFocus(int box) {
    if (box < 1 || box > kBoxCount) return;
    if (auto handler = kHandlers[box - 1].lostFocus) (this->*handler)();
}

void Form::NumericGotFocus(int box) {
    freshFocus_[box - 1] = true;
}

void Form::NumericKeyPress(int box, int& KeyAscii) {
    // The first character after focusing replaces the content, whatever the character.
    if (freshFocus_[box - 1]) WriteBox(box, "");
    freshFocus_[box - 1] = false;
    ClearResults();
    // Enter validates at once; the focus stays, and the box is no longer fresh, so further digits
    // edit the validated text.
    if (KeyAscii == kEnter) NumericLostFocus(box);
    if (!IsDigit(KeyAscii) && KeyAscii != kBackspace) KeyAscii = 0;
}

void Form::NumericLostFocus(int box) {
    if (!controls_.toNumber(controls_.boxText(box))) WriteBox(box, texts::kZero);
    const double limit = UpperLimitOf(box);
    if (Number(box) > limit) WriteBox(box, texts::kZero);
    // Read once more: a degrees value that was too large is "0" by now and no longer at the limit.
    if (IsDegreesBox(box) && Number(box) == limit) {
        const CoordinateGroup& group = GroupOf(box);
        WriteBox(group.minutes, texts::kZero);
        WriteBox(group.seconds, texts::kZero);
    }
    Recalculate();
}

void Form::LetterKeyPress(int box) {
    ClearResults();
    const LetterToggle& toggle = ToggleOf(box);
    // Anything but exactly the test letter (an empty box, a lower-case letter) becomes it.
    const bool isTestLetter = controls_.boxText(box) == toggle.testLetter;
    WriteBox(box, isTestLetter ? toggle.otherLetter : toggle.testLetter);
    Recalculate();
}

void Form::ClearResults() {
    controls_.setLabelCaption(kDistanceLabel, "");
    controls_.setLabelCaption(kCourseLabel, "");
}

void Form::Recalculate() {
    // lat1, lat2, lon1, lon2 in signed radians, north and west positive.
    std::array<double, kCoordinateGroups.size()> values{};
    for (std::size_t i = 0; i < kCoordinateGroups.size(); ++i) {
        const CoordinateGroup& group = kCoordinateGroups[i];
        double value =
            geo::ToRadians(Number(group.degrees), Number(group.minutes), Number(group.seconds));
        const double limit = group.latitude ? geo::HALF_PI_LIMIT : geo::PI;
        // Only a pasted number can be negative; one so large that its radians overflow is as
        // much out of range as one above the limit.
        if (value > limit || !std::isfinite(value)) {
            WriteBox(group.degrees, texts::kZero);
            WriteBox(group.minutes, texts::kZero);
            WriteBox(group.seconds, texts::kZero);
            controls_.beep();
            return;
        }
        if (controls_.boxText(group.letter) == group.negativeLetter) value = value * -1;
        values[i] = value;
    }
    const auto [lat1, lat2, lon1, lon2] = values;

    const double d = geo::CentralAngle(lat1, lon1, lat2, lon2);
    const double dist = geo::DistanceKm(d);
    const std::string separator = controls_.decimalSeparator();

    double m = 1;
    if (dist != 0) {
        const double ln10 = std::log(10.0);
        m = std::log(dist) / ln10;
    }
    controls_.setLabelCaption(kDistanceLabel, RenderNumber(dist, DistancePattern(m), separator));

    if (d == 0 || d == geo::PI) {
        controls_.setLabelCaption(kCourseLabel, texts::kAnyCourse);
        return;
    }
    if (std::cos(lat1) < geo::POLE_TOLERANCE) {
        // From a pole every course is due north or south; name the destination's meridian.
        double v = lon2;
        if (v < 0) v = v + geo::TWO_PI;
        v = geo::ToDegrees(v);
        const char* suffix = texts::kMeridianWest;
        if (v > 180) {
            v = 360 - v;
            suffix = texts::kMeridianEast;
        }
        controls_.setLabelCaption(kCourseLabel,
                                  RenderNumber(v, texts::kMeridian, separator) + suffix);
        return;
    }
    const double course = geo::ToDegrees(geo::InitialCourse(lat1, lon1, lat2, lon2, d));
    controls_.setLabelCaption(kCourseLabel, RenderNumber(course, texts::kCourse, separator));
}

double Form::Number(int box) const {
    return controls_.toNumber(controls_.boxText(box)).value_or(0);
}

void Form::WriteBox(int box, std::string_view text) {
    if (controls_.boxText(box) != text) controls_.setBoxText(box, text);
}

}  // namespace app
