#include "form/layout.h"

#include <stdexcept>

#include "form/texts.h"

namespace form {

const std::array<BoxLayout, kBoxCount> kBoxesInTabOrder{{
    // Start longitude, then start latitude.
    {4, 60, 600, 615, texts::kZero, 3},
    {5, 960, 600, 495, texts::kZero, 2},
    {6, 1680, 600, 495, texts::kZero, 2},
    {14, 2640, 600, 360, texts::kWest, 1},
    {1, 60, 1260, 615, texts::kZero, 2},
    {2, 960, 1260, 495, texts::kZero, 2},
    {3, 1680, 1260, 495, texts::kZero, 2},
    {13, 2640, 1260, 375, texts::kNorth, 1},
    // Destination longitude, then destination latitude.
    {10, 4380, 600, 615, texts::kZero, 3},
    {11, 5280, 600, 495, texts::kZero, 2},
    {12, 6060, 600, 495, texts::kZero, 2},
    {16, 7020, 600, 345, texts::kEast, 1},
    {7, 4380, 1260, 615, texts::kZero, 2},
    {8, 5280, 1260, 495, texts::kZero, 2},
    {9, 6060, 1260, 495, texts::kZero, 2},
    {15, 7020, 1260, 345, texts::kSouth, 1},
}};

const LabelStyle& StyleOf(LabelKind kind) {
    static const LabelStyle heading{{9.75, true, true}, false, false, true};
    static const LabelStyle unitSign{{18, false, false}, false, false, false};
    static const LabelStyle result{{12, true, true}, true, true, false};
    switch (kind) {
        case LabelKind::Heading:
            return heading;
        case LabelKind::UnitSign:
            return unitSign;
        case LabelKind::Result:
            break;
    }
    return result;
}

using enum LabelKind;

// Heading sizes are those the captions take in the original face; elsewhere headings refit.
const std::array<LabelLayout, kLabelCount> kLabels{{
    {1, Heading, 1080, 120, 570, 240, texts::kFrom},
    {2, Heading, 5640, 120, 630, 240, texts::kTo},
    {3, Heading, 3420, 1320, 630, 240, texts::kLatitudeRow},
    {4, UnitSign, 600, 1275, 255, 375, texts::kDegreesSign},
    {5, UnitSign, 1440, 1275, 255, 375, texts::kMinutesSign},
    {6, UnitSign, 2160, 1275, 255, 375, texts::kSecondsSign},
    {7, UnitSign, 600, 600, 255, 375, texts::kDegreesSign},
    {8, UnitSign, 1440, 600, 255, 375, texts::kMinutesSign},
    {9, UnitSign, 2160, 600, 255, 375, texts::kSecondsSign},
    {10, UnitSign, 4920, 1260, 255, 375, texts::kDegreesSign},
    {11, UnitSign, 5760, 1245, 255, 375, texts::kMinutesSign},
    {12, UnitSign, 6540, 1260, 255, 375, texts::kSecondsSign},
    {13, UnitSign, 4920, 600, 255, 375, texts::kDegreesSign},
    {14, UnitSign, 5760, 600, 255, 375, texts::kMinutesSign},
    {15, UnitSign, 6540, 600, 255, 375, texts::kSecondsSign},
    {16, Heading, 3420, 720, 660, 240, texts::kLongitudeRow},
    {17, Result, 1080, 1980, 1935, 375, ""},
    {18, Heading, 120, 2040, 885, 240, texts::kDistanceIs},
    {19, Heading, 3780, 2040, 1095, 240, texts::kCourseIs},
    {20, Result, 4920, 1980, 2535, 375, ""},
}};

// The horizontal lines run past the client area's right edge; the rest is simply not seen.
const std::array<LineLayout, kLineCount> kLines{{
    {1, 30, 1095, 7650, 1095},
    {2, 30, 1740, 7635, 1740},
    {3, 0, 480, 7635, 480},
    {4, 3180, 120, 3180, 1740},
    {5, 4260, 120, 4260, 1740},
}};

const std::array<CoordinateGroup, 4> kCoordinateGroups{{
    {1, 2, 3, 13, 90, texts::kSouth, true, true},       // start latitude
    {7, 8, 9, 15, 90, texts::kSouth, true, false},      // destination latitude
    {4, 5, 6, 14, 180, texts::kEast, false, true},      // start longitude
    {10, 11, 12, 16, 180, texts::kEast, false, false},  // destination longitude
}};

const CoordinateGroup& GroupOf(int box) {
    for (const auto& g : kCoordinateGroups) {
        if (box == g.degrees || box == g.minutes || box == g.seconds || box == g.letter) return g;
    }
    throw std::out_of_range("no such box");
}

bool IsNumericBox(int box) {
    return box >= 1 && box <= kNumericBoxCount;
}

bool IsLetterBox(int box) {
    return box > kNumericBoxCount && box <= kBoxCount;
}

bool IsDegreesBox(int box) {
    return IsNumericBox(box) && GroupOf(box).degrees == box;
}

double UpperLimitOf(int box) {
    return IsDegreesBox(box) ? GroupOf(box).degreesLimit : kMinutesSecondsLimit;
}

const LetterToggle& ToggleOf(int letterBox) {
    // The test letter is the one opposite the default, so the first key leaves the default.
    static const std::array<LetterToggle, 4> toggles{{
        {13, texts::kSouth, texts::kNorth},
        {14, texts::kEast, texts::kWest},
        {15, texts::kNorth, texts::kSouth},
        {16, texts::kWest, texts::kEast},
    }};
    for (const auto& t : toggles) {
        if (t.box == letterBox) return t;
    }
    throw std::out_of_range("no such letter box");
}

}  // namespace form
