#include "expected_results/expected_results.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

namespace expected_results {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kHalfPiLimit = 1.5707963267949;
constexpr double kTwoPi = 6.28318530717958;
constexpr double kSnap = 1E-11;
constexpr double kPole = 1E-9;

// Boxes (1-based) of each coordinate, in the order the recalculation reads them.
struct Group {
    int degrees, minutes, seconds, letter;
    bool latitude;
    const char* negative;
};
constexpr std::array<Group, 4> kGroups{{
    {1, 2, 3, 13, true, "S"},
    {7, 8, 9, 15, true, "S"},
    {4, 5, 6, 14, false, "E"},
    {10, 11, 12, 16, false, "E"},
}};

double Radians(double degrees, double minutes, double seconds) {
    const double t = degrees + minutes / 60;
    return ((seconds / 3600) + t) * kPi / 180;
}

// The arc cosine by the standard library, with the program's end points: they decide what the
// window shows, so they must be the same. Within kSnap of -1 or 1 and beyond them the result is
// exactly kPi or 0 (kPi, the short pi, is what makes the course read "egal"). In between,
// std::acos and the program's arctangent formula may differ in the last bits; see
// ArcCosDifference.
double ArcCos(double x) {
    if (std::fabs(x + 1) < kSnap || x < -1) return kPi;
    if (std::fabs(x - 1) < kSnap || x > 1) return 0;
    return std::acos(x);
}

// The distance label for a central angle d [radians].
std::string DistanceText(double d, const std::string& decimalSeparator) {
    const double dist = ((40008 * d) / kPi) / 2;
    double m = 1;
    if (dist != 0) {
        const double ln10 = std::log(10.0);
        m = std::log(dist) / ln10;
    }
    if (m < 1) return RenderFixed(dist, 3, decimalSeparator) + " Km";
    if (m < 2) return RenderFixed(dist, 2, decimalSeparator) + " Km";
    if (m < 3) return RenderFixed(dist, 1, decimalSeparator) + " Km";
    return RenderFixed(dist, 0, decimalSeparator) + " km";
}

// The first of the texts that differs from text, or nothing.
std::string OtherThan(const std::string& text, std::initializer_list<std::string> texts) {
    for (const std::string& other : texts)
        if (other != text) return other;
    return {};
}

// Adds one unit in the last place of a string of decimal digits; true when it carries out.
bool Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it < '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

}  // namespace

double ArcCosDifference(double x) {
    if (ArcCos(x) == 0 || ArcCos(x) == kPi) return 0;
    // The program's formula takes the square root of 1 - x * x, whose rounding (about 1E-16)
    // grows by 1 / sqrt(1 - x * x) on the way; the rest is a few units in the last place.
    return 1E-15 / std::sqrt(1 - x * x) + 2E-15;
}

std::string RenderFixed(double value, int decimals, const std::string& decimalSeparator) {
    // The fewest significant digits that read back as the value, found by trying them in turn.
    char buffer[64];
    char* end = buffer;
    for (int precision = 0; precision <= 17; ++precision) {
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                            precision)
                  .ptr;
        double back = 0;
        std::from_chars(buffer, end, back);
        if (back == value) break;
    }
    // buffer reads [-]d[.ddd]e[+-]xx.
    const std::string text(buffer, end);
    const bool negative = text[0] == '-';
    const std::size_t e = text.find('e');
    std::string significant;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (text[i] != '.') significant += text[i];
    const int exponent = std::atoi(text.c_str() + e + 1);

    // Scale to an integer count of 10^-(decimals+1) units; the last digit decides the rounding.
    const int shift = exponent + 1 + decimals + 1 - static_cast<int>(significant.size());
    std::string units;
    if (shift >= 0) {
        units = significant + std::string(static_cast<std::size_t>(shift), '0');
    } else if (static_cast<int>(significant.size()) + shift > 0) {
        units = significant.substr(0, significant.size() + static_cast<std::size_t>(shift));
        // Digits cut off beyond the deciding one only ever push further from the tie, and the
        // rule below rounds a tie up already.
    } else {
        units = "0";
    }
    const char deciding = units.back();
    units.pop_back();
    if (units.empty()) units = "0";
    if (deciding >= '5' && Increment(units)) units.insert(units.begin(), '1');

    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (units.size() < width) units.insert(0, width - units.size(), '0');
    std::string integer = units.substr(0, units.size() - static_cast<std::size_t>(decimals));
    const std::string fraction = units.substr(integer.size());
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));

    std::string out;
    if (negative && units.find_first_not_of('0') != std::string::npos) out += '-';
    out += integer;
    if (decimals > 0) out += decimalSeparator + fraction;
    return out;
}

bool ExpectedResults::Accepts(const std::string& distanceLabel,
                              const std::string& courseLabel) const {
    const auto either = [](const std::string& label, const std::string& text,
                           const std::string& near) {
        return label == text || (!near.empty() && label == near);
    };
    return either(distanceLabel, distance, distanceNear) && either(courseLabel, course, courseNear);
}

ExpectedResults Recompute(const BoxValues& values, const std::string& decimalSeparator) {
    ExpectedResults r;
    std::array<double, 4> signedRadians{};
    for (int g = 0; g < 4; ++g) {
        const Group& group = kGroups[static_cast<std::size_t>(g)];
        const auto number = [&](int box) {
            return values.numbers[static_cast<std::size_t>(box - 1)];
        };
        double v = Radians(number(group.degrees), number(group.minutes), number(group.seconds));
        if (v > (group.latitude ? kHalfPiLimit : kPi) || !std::isfinite(v)) {
            r.guardTrips = true;
            r.trippedGroup = g;
            return r;
        }
        if (values.letters[static_cast<std::size_t>(group.letter - 13)] == group.negative)
            v = v * -1;
        signedRadians[static_cast<std::size_t>(g)] = v;
    }
    const double lat1 = signedRadians[0], lat2 = signedRadians[1];
    const double lon1 = signedRadians[2], lon2 = signedRadians[3];

    const double c =
        std::sin(lat1) * std::sin(lat2) + (std::cos(lat2) * std::cos(lat1)) * std::cos(lon2 - lon1);
    const double d = ArcCos(c);
    const double dDifference = ArcCosDifference(c);
    r.distance = DistanceText(d, decimalSeparator);
    r.distanceNear = OtherThan(r.distance, {DistanceText(d - dDifference, decimalSeparator),
                                            DistanceText(d + dDifference, decimalSeparator)});

    if (d == 0 || d == kPi) {
        r.course = "egal";
    } else if (std::cos(lat1) < kPole) {
        double v = lon2;
        if (v < 0) v = v + kTwoPi;
        v = v / kPi * 180;
        std::string side = "W";
        if (v > 180) {
            v = 360 - v;
            side = "E";
        }
        r.course = RenderFixed(v, 1, decimalSeparator) + "te LngnGrd " + side;
    } else {
        // The course from a central angle moved by dShift and an arc cosine moved by aShift
        // times its possible difference.
        const auto course = [&](double dShift, double aShift) {
            const double dd = d + dShift;
            const double q =
                (std::sin(lat2) - std::cos(dd) * std::sin(lat1)) / (std::cos(lat1) * std::sin(dd));
            const double a = ArcCos(q) + aShift * ArcCosDifference(q);
            const double radians = std::sin(lon2 - lon1) < 0 ? a : kTwoPi - a;
            return RenderFixed(radians / kPi * 180, 1, decimalSeparator) + " Grad";
        };
        r.course = course(0, 0);
        r.courseNear = OtherThan(r.course, {course(-dDifference, -1), course(-dDifference, 1),
                                            course(dDifference, -1), course(dDifference, 1)});
    }
    return r;
}

}  // namespace expected_results
