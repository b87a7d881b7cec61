#include "expected_results/expected_results.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace expected_results {

namespace {

using Real = long double;

// The program's short pi, its latitude limit and the tolerances of its snapping: they decide what
// the window shows, so they are the same here.
constexpr Real kPi = 3.14159265358979;
constexpr Real kHalfPiLimit = 1.5707963267949;
constexpr Real kSnap = 1E-11;
constexpr Real kPole = 1E-9;
const Real kFullPi = std::acos(Real(-1));

// How far a double result may lie from the exact one: for each rounded step of the program a unit
// in the last place, and some to spare.
constexpr Real kRounding = 1E-15;

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

// The angle in 0..pi whose cosine is cos(angle) + shift, through the half angle, which keeps its
// precision where the cosine is close to 1 or -1.
Real AngleOfCosine(Real angle, Real shift) {
    const auto within = [](Real v) { return std::clamp<Real>(v, 0, 1); };
    const Real s = std::sin(angle / 2), c = std::cos(angle / 2);
    if (s < c) return 2 * std::asin(std::sqrt(within(s * s - shift / 2)));
    return kFullPi - 2 * std::asin(std::sqrt(within(c * c + shift / 2)));
}

// The angles the program's arc cosine may give for a cosine within `error` of cos(angle): exactly
// 0 or kPi where it snaps, the angles between where it does not.
struct Angles {
    bool zero = false, pi = false, between = false;
    Real low = 0, high = 0;
};

Angles ArcCosOf(Real angle, Real error) {
    // The arc cosine's own difference is, near the end points, that of a cosine 1E-15 further off.
    error += kRounding;
    const Real toOne = 2 * std::pow(std::sin(angle / 2), 2);
    const Real toMinusOne = 2 * std::pow(std::cos(angle / 2), 2);
    Angles a;
    a.zero = toOne - error < kSnap;
    a.pi = toMinusOne - error < kSnap;
    a.between = toOne + error >= kSnap && toMinusOne + error >= kSnap;
    a.low = std::max<Real>(0, AngleOfCosine(angle, error) - 2 * kRounding);
    a.high = std::min(kFullPi, AngleOfCosine(angle, -error) + 2 * kRounding);
    return a;
}

void AddDistances(std::vector<Figure>& figures, Real low, Real high) {
    // Three decimals under 10 km, down to none from 1000 km; the program finds the order of
    // magnitude by a logarithm, which may tip either way right at 10, 100 and 1000.
    const struct {
        Real from, to;
        int decimals;
        const char* suffix;
    } formats[] = {
        {0, 10, 3, " Km"}, {10, 100, 2, " Km"}, {100, 1000, 1, " Km"}, {1000, 1E30, 0, " km"}};
    for (const auto& f : formats) {
        const Real from = std::max(low, f.from * (1 - 1E-14)),
                   to = std::min(high, f.to * (1 + 1E-14));
        if (from <= to) figures.push_back({from, to, f.decimals, f.suffix});
    }
}

// Where the destination's meridian is named: wrapped into 0..360 degrees westward as the program
// wraps a negative longitude, westward up to 180, eastward beyond; from signed degrees (west
// positive) that the program may take anywhere within error, so that near 0 it may wrap or not.
void AddMeridians(std::vector<Figure>& figures, Real degrees, Real error) {
    const auto add = [&](Real wrapped) {
        const Real low = wrapped - error, high = wrapped + error;
        if (low <= 180) figures.push_back({low, std::min<Real>(high, 180), 1, "te LngnGrd W"});
        if (high > 180)
            figures.push_back({360 - high, 360 - std::max<Real>(low, 180), 1, "te LngnGrd E"});
    };
    if (degrees >= -error) add(degrees);
    if (degrees < error) add(degrees + 360);
}

std::string TextOf(const Figure& f) {
    return f.decimals < 0 ? f.suffix : std::to_string(double((f.low + f.high) / 2)) + f.suffix;
}

// Whether number is written as the program writes numbers: digits without a leading zero, the
// separator and exactly `decimals` digits after it, a minus sign only on a value that is not 0.
bool Written(const std::string& number, int decimals, const std::string& separator) {
    const std::size_t first = number.rfind('-', 0) == 0 ? 1 : 0;
    const std::size_t tail =
        decimals > 0 ? separator.size() + static_cast<std::size_t>(decimals) : 0;
    if (number.size() < first + 1 + tail) return false;
    const std::size_t point = number.size() - tail;
    std::string digits = number.substr(first, point - first);
    if (decimals > 0) {
        if (number.compare(point, separator.size(), separator) != 0) return false;
        digits += number.substr(point + separator.size());
    }
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    return digits.find_first_not_of("0123456789") == std::string::npos &&
           !(number[first] == '0' && point - first > 1) && !(first == 1 && zero);
}

// Whether label reads as the figure: its number written as the program writes numbers, and
// rounded from a value within the figure's range.
bool ReadsAs(const std::string& label, const Figure& f, const std::string& separator) {
    if (f.decimals < 0) return label == f.suffix;
    if (label.size() < f.suffix.size() ||
        label.compare(label.size() - f.suffix.size(), f.suffix.size(), f.suffix) != 0)
        return false;
    std::string number = label.substr(0, label.size() - f.suffix.size());
    if (!Written(number, f.decimals, separator)) return false;
    if (f.decimals > 0)
        number.replace(number.size() - f.decimals - separator.size(), separator.size(), ".");
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    const Real half = std::pow(Real(10), -f.decimals) / 2 + std::fabs(value) * 4E-16L;
    return value - half <= f.high && value + half >= f.low;
}

// Each coordinate as the program reads it, in the recalculation's order: signed radians (north
// and west positive), signed degrees, and how far the program's radians may lie from these.
struct Coordinates {
    std::array<Real, 4> radians{}, degrees{}, error{};
    int outOfRange = -1;  // the first group certainly out of range
};

Coordinates Read(const BoxValues& values) {
    Coordinates c;
    for (int g = 3; g >= 0; --g) {
        const auto i = static_cast<std::size_t>(g);
        const Group& group = kGroups[i];
        const auto number = [&](int box) {
            return Real(values.numbers[static_cast<std::size_t>(box - 1)]);
        };
        const Real d = number(group.degrees), m = number(group.minutes), s = number(group.seconds);
        const Real sum = d + m / 60 + s / 3600;
        const Real v = sum * kPi / 180;
        c.error[i] =
            (std::fabs(d) + std::fabs(m) / 60 + std::fabs(s) / 3600) * kPi / 180 * kRounding;
        // The guard: above the limit, or so large that the program's radians overflow.
        if (v - c.error[i] > (group.latitude ? kHalfPiLimit : kPi) ||
            std::fabs(sum * kPi) > std::numeric_limits<double>::max())
            c.outOfRange = g;
        const bool negative =
            values.letters[static_cast<std::size_t>(group.letter - 13)] == group.negative;
        c.radians[i] = negative ? -v : v;
        c.degrees[i] = negative ? -sum : sum;
    }
    return c;
}

// The courses the program may show where the start is no pole, for the central angle d whose
// cosine the program may take as any of central.
void AddCourses(std::vector<Figure>& figures, const BoxValues& values, const Coordinates& c, Real d,
                const Angles& central) {
    const auto [lat1, lat2, lon1, lon2] = c.radians;
    const auto& error = c.error;
    // The course's angle from north, and how far the program's cosine of it may be off: the
    // program divides by cos(lat1) sin(d), and what the central angle, the latitudes and the
    // rounding are off grows by as much; twice that, for what this first-order estimate leaves out.
    const Real east = lon1 - lon2;
    const Real north =
        std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(east);
    const Real a = std::atan2(std::fabs(std::sin(east) * std::cos(lat2)), north);
    const Real dError = std::max(d - central.low, central.high - d);
    const Real spread = std::fabs(std::cos(lat2)) * dError + 2 * error[0] + error[1] + kRounding;
    const Real divisor = (std::fabs(std::cos(lat1)) - error[0]) *
                         std::min(std::sin(central.low), std::sin(central.high));
    const Angles course = ArcCosOf(a, divisor > 0 ? 2 * spread / divisor + kRounding : 4);

    // The program takes the destination as east of the start where the sine of the longitudes'
    // difference is below 0; the sine is exactly 0 on one meridian written alike.
    const auto& n = values.numbers;
    const bool sameMeridian = std::equal(&n[3], &n[6], &n[9]) &&
                              ((values.letters[1] == "E") == (values.letters[3] == "E") ||
                               (n[3] == 0 && n[4] == 0 && n[5] == 0));
    const Real sine = std::sin(lon2 - lon1);
    const Real sineError = error[2] + error[3] + std::fabs(lon2 - lon1) * kRounding;
    for (const bool eastward : {true, false}) {
        if (eastward ? sameMeridian || sine - sineError >= 0
                     : !sameMeridian && sine + sineError < 0)
            continue;
        // Westward the course is the full circle less the angle.
        const auto add = [&](Real low, Real high) {
            const Real from = low / kPi * 180 - 1E-12, to = high / kPi * 180 + 1E-12;
            figures.push_back(eastward ? Figure{from, to, 1, " Grad"}
                                       : Figure{360 - to, 360 - from, 1, " Grad"});
        };
        if (course.zero) add(0, 0);
        if (course.pi) add(kPi, kPi);
        if (course.between) add(course.low, course.high);
    }
}

}  // namespace

double ArcCosDifference(double x) {
    // Within kSnap of 1 or -1 and beyond, both give the end point.
    if (std::fabs(x - 1) < kSnap || std::fabs(x + 1) < kSnap || std::fabs(x) > 1) return 0;
    // The program's formula takes the square root of 1 - x * x, whose rounding (about 1E-16)
    // grows by 1 / sqrt(1 - x * x) on the way; the rest is a few units in the last place.
    return 1E-15 / std::sqrt(1 - x * x) + 2E-15;
}

bool ExpectedResults::Accepts(const std::string& distanceLabel,
                              const std::string& courseLabel) const {
    const auto any = [this](const std::vector<Figure>& figures, const std::string& label) {
        for (const Figure& f : figures)
            if (ReadsAs(label, f, decimalSeparator)) return true;
        return false;
    };
    return any(distances, distanceLabel) && any(courses, courseLabel);
}

ExpectedResults Recompute(const BoxValues& values, const std::string& decimalSeparator) {
    ExpectedResults r;
    r.decimalSeparator = decimalSeparator;
    const Coordinates c = Read(values);
    if (c.outOfRange >= 0) {
        r.guardTrips = true;
        r.trippedGroup = c.outOfRange;
        return r;
    }
    const auto [lat1, lat2, lon1, lon2] = c.radians;

    // The central angle from the points' unit vectors: the arctangent of the cross product's
    // length over the dot product, good to the last bit at every angle.
    const auto unit = [](Real lat, Real lon) {
        return std::array<Real, 3>{std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon),
                                   std::sin(lat)};
    };
    const auto p = unit(lat1, lon1), q = unit(lat2, lon2);
    const Real cross =
        std::hypot(p[1] * q[2] - p[2] * q[1], p[2] * q[0] - p[0] * q[2], p[0] * q[1] - p[1] * q[0]);
    const Real d = std::atan2(cross, p[0] * q[0] + p[1] * q[1] + p[2] * q[2]);
    // The program's cosine of it is off by its rounding and by how far its coordinates may lie
    // from these, each of which moves the cosine by at most sin(d) times as much.
    const Real moved = c.error[0] + c.error[1] + c.error[2] + c.error[3];
    const Angles central = ArcCosOf(d, std::sin(d) * moved + moved * moved / 2 + 2 * kRounding);

    const Figure anyCourse{0, 0, -1, "egal"};
    if (central.zero) {
        r.distances.push_back({0, 0, 2, " Km"});
        r.courses.push_back(anyCourse);
    }
    if (central.pi) {
        r.distances.push_back({20004, 20004, 0, " km"});
        r.courses.push_back(anyCourse);
    }
    if (central.between) {
        AddDistances(r.distances, 20004 * central.low / kPi * (1 - kRounding),
                     20004 * central.high / kPi * (1 + kRounding));
        // From a pole every course is due south or north: the window names the meridian.
        const Real cosLat1 = std::cos(lat1);
        if (cosLat1 - c.error[0] - kRounding < kPole)
            AddMeridians(r.courses, c.degrees[3],
                         c.error[3] / kPi * 180 + (std::fabs(c.degrees[3]) + 360) * 4 * kRounding);
        if (cosLat1 + c.error[0] + kRounding >= kPole) AddCourses(r.courses, values, c, d, central);
    }
    r.distance = r.distances.empty() ? "" : TextOf(r.distances.front());
    r.course = r.courses.empty() ? "" : TextOf(r.courses.front());
    return r;
}

}  // namespace expected_results
