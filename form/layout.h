// The window's controls as data: where each sits, what it shows at start, how it is styled, the
// tab order and the coordinate groups. Both windows walk these tables.
//
// Positions and sizes are in twips (1/1440 inch; 15 twips are one pixel at 96 dpi), measured from
// the top-left corner of the client area. Colours are 0xRRGGBB.
#pragma once

#include <array>
#include <span>

namespace form {

inline constexpr int kBoxCount = 16;
inline constexpr int kLabelCount = 20;
inline constexpr int kLineCount = 5;
inline constexpr int kNumericBoxCount = 12;

// Result labels.
inline constexpr int kDistanceLabel = 17;
inline constexpr int kCourseLabel = 20;
inline constexpr std::array<int, 2> kResultLabels{kDistanceLabel, kCourseLabel};

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kBaseDpi = 96;  // where 15 twips make one pixel
inline constexpr int kClientWidth = 7545;
inline constexpr int kClientHeight = 2625;
inline constexpr int kBoxHeight = 360;

// Twips in pixels at dpi, rounded to nearest. Toolkits that scale logical pixels themselves (Qt)
// ask at the base dpi; the Win32 window asks at its monitor's.
inline constexpr int TwipsToPixels(int twips, int dpi = kBaseDpi) {
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

namespace colour {
inline constexpr unsigned kWindow = 0x808080;    // grey
inline constexpr unsigned kBox = 0xFFE0C0;       // peach, the boxes and the result labels
inline constexpr unsigned kHeading = 0xFFC080;   // light orange
inline constexpr unsigned kUnitSign = 0x000000;  // black
inline constexpr unsigned kLine = 0x0000C0;      // dark blue
}  // namespace colour

inline constexpr int kLineWidthPixels = 3;

// Fonts: the face wanted everywhere, then sans-serif faces of similar build for systems without it.
inline constexpr const char* kFontFaces[] = {"MS Sans Serif", "Microsoft Sans Serif",
                                             "Liberation Sans", "Arial", "DejaVu Sans"};

struct FontStyle {
    double points;
    bool bold;
    bool underline;
};

inline constexpr FontStyle kBoxFont{12, true, false};

struct BoxLayout {
    int box;  // n of Textn
    int left, top, width;
    const char* initialText;
    int maxLength;
};

// The sixteen edit boxes in tab order (Tab from the last wraps to the first).
extern const std::array<BoxLayout, kBoxCount> kBoxesInTabOrder;

enum class LabelKind { Heading, UnitSign, Result };

struct LabelStyle {
    FontStyle font;  // the colours come from the scheme (form/colour_scheme.h)
    bool border;
    bool centred;
    bool autoSize;  // headings fit themselves to their caption
};

const LabelStyle& StyleOf(LabelKind kind);

struct LabelLayout {
    int label;  // n of Labeln
    LabelKind kind;
    int left, top, width, height;
    const char* caption;
};

// The twenty labels, Label1 to Label20.
extern const std::array<LabelLayout, kLabelCount> kLabels;

struct LineLayout {
    int line;  // n of Linen
    int x1, y1, x2, y2;
};

extern const std::array<LineLayout, kLineCount> kLines;

// One coordinate: the three numeric boxes, the letter box and what the letters mean.
struct CoordinateGroup {
    int degrees, minutes, seconds, letter;
    double degreesLimit;         // 90 for a latitude, 180 for a longitude
    const char* negativeLetter;  // "S" for a latitude, "E" for a longitude
    bool latitude;
    bool start;  // of the start point, else of the destination
};

// In the order the recalculation reads them: start latitude, destination latitude, start
// longitude, destination longitude.
extern const std::array<CoordinateGroup, 4> kCoordinateGroups;

// The group a box belongs to.
const CoordinateGroup& GroupOf(int box);

// The greatest value a numeric box keeps when validated: its group's degrees limit for a degrees
// box, 59 for minutes and seconds.
double UpperLimitOf(int box);

bool IsNumericBox(int box);
bool IsLetterBox(int box);
bool IsDegreesBox(int box);

// A letter box flips between its test letter and its other letter.
struct LetterToggle {
    int box;
    const char* testLetter;
    const char* otherLetter;
};

const LetterToggle& ToggleOf(int letterBox);

inline constexpr double kMinutesSecondsLimit = 59;

}  // namespace form
