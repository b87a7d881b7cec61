// What the two result labels may read for given box values, worked out afresh. The window fuzzer
// and the Qt window's random sessions compare the labels with it. It deliberately calls nothing of
// geo/ or form/ and follows none of their formulas, so that a fault there cannot hide itself: it
// works in long double, with unit vectors and arctangents, and bounds how far the program's double
// arithmetic may lie from that. Where a figure lies that close to a rounding boundary of its last
// digit, the neighbouring text is right too.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace expected_results {

struct BoxValues {
    // The values of Text1 to Text12 (index 0 is Text1), as the locale converts their texts; a
    // text it does not read as a finite number counts as 0, as in the window.
    std::array<double, 12> numbers{};
    // The texts of Text13 to Text16 (index 0 is Text13).
    std::array<std::string, 4> letters;
};

// A label as a number from low to high rounded to `decimals` and followed by suffix ("503.9 Km",
// "195.5 Grad", "11.6te LngnGrd E"), or with decimals -1 the suffix alone ("egal").
struct Figure {
    long double low = 0, high = 0;
    int decimals = -1;
    std::string suffix;
};

struct ExpectedResults {
    // True when a coordinate is out of range as a whole: the window beeps and writes no label.
    bool guardTrips = false;
    int trippedGroup = -1;  // 0 start latitude, 1 destination latitude, 2 and 3 the longitudes
    std::vector<Figure> distances;  // what Label17 may read
    std::vector<Figure> courses;    // what Label20 may read
    std::string decimalSeparator;   // the locale's
    // The first figure of each as worked out, unrounded, for messages ("503.854615 Km").
    std::string distance, course;

    // Whether each label reads as one of its figures.
    bool Accepts(const std::string& distanceLabel, const std::string& courseLabel) const;
};

ExpectedResults Recompute(const BoxValues& values, const std::string& decimalSeparator);

// How far the program's arc cosine of x may lie from std::acos [radians]: 0 where both snap to
// an end point. The arithmetic fuzz target holds the program to it, and the recomputation allows
// for it.
double ArcCosDifference(double x);

}  // namespace expected_results
