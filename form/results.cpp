#include "form/results.h"

#include <cmath>

#include "form/number_pattern.h"
#include "form/texts.h"
#include "geo/angle.h"
#include "geo/constants.h"
#include "geo/great_circle.h"

namespace form {

namespace {

// The distance pattern by the order of magnitude m = log10(km): under 10 km three decimals, down
// to none from 1000 km, so that every distance of a kilometre or more shows four significant
// digits.
const char* DistancePattern(double m) {
    if (m < 1) return texts::kDistanceUnder10;
    if (m < 2) return texts::kDistanceUnder100;
    if (m < 3) return texts::kDistanceUnder1000;
    return texts::kDistanceFrom1000;
}

Meridian MeridianOf(double lon2) {
    // East longitudes are negative: wrapped into 0..360 degrees westward, anything past 180 is
    // the eastern meridian 360 - v.
    double v = lon2;
    if (v < 0) v = v + geo::kTwoPi;
    v = geo::ToDegrees(v);
    if (v > 180) return {360 - v, true};
    return {v, false};
}

// Overloads for std::visit.
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Clang deduces an aggregate's template arguments only from version 17 on.
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

Results ResultsOf(const Coordinates& c) {
    const double d = geo::CentralAngle(c.lat1, c.lon1, c.lat2, c.lon2);
    Results results{geo::DistanceKm(d), AnyCourse{}};
    // Exactly 0 and exactly kPi are what CentralAngle gives for identical and antipodal points.
    if (d == 0 || d == geo::kPi) return results;
    if (std::cos(c.lat1) < geo::kPoleTolerance)
        results.course = MeridianOf(c.lon2);
    else
        results.course =
            Course{geo::ToDegrees(geo::InitialCourse(c.lat1, c.lon1, c.lat2, c.lon2, d))};
    return results;
}

std::string DistanceCaption(const Results& results, std::string_view decimalSeparator) {
    // The number of digits before the separator, as the decimal logarithm tells it; a zero
    // distance counts as one digit.
    double m = 1;
    if (results.distanceKm != 0) {
        const double ln10 = std::log(10.0);
        m = std::log(results.distanceKm) / ln10;
    }
    return RenderNumber(results.distanceKm, DistancePattern(m), decimalSeparator);
}

std::string CourseCaption(const Results& results, std::string_view decimalSeparator) {
    return std::visit(Overloaded{
                          [&](const Course& c) {
                              return RenderNumber(c.degrees, texts::kCourse, decimalSeparator);
                          },
                          [](const AnyCourse&) { return std::string(texts::kAnyCourse); },
                          [&](const Meridian& m) {
                              return RenderNumber(m.degrees, texts::kMeridian, decimalSeparator) +
                                     (m.east ? texts::kMeridianEast : texts::kMeridianWest);
                          },
                      },
                      results.course);
}

}  // namespace form
