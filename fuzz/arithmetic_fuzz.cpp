// Fuzzes the arithmetic with the values the window can hand it: degrees 0 to 180, minutes and
// seconds 0 to 59, fractional and negative ones as pasting allows, both hemispheres, and now and
// then any double at all. Checked: ArcCos stays within 0..kPi for every argument that is a number,
// and within ArcCosDifference of std::acos between its end points; whatever passes the guard
// gives a finite central angle within 0..kPi, a finite distance within 0..20004 km and, where a
// course is defined, a course within 0..kTwoPi; and the recalculation itself, fed the same values
// as box texts, never writes "nan" or "inf" into a label.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "expected_results/expected_results.h"
#include "form/form.h"
#include "form/layout.h"
#include "geo/angle.h"
#include "geo/arccos.h"
#include "geo/constants.h"
#include "geo/great_circle.h"
#include "sessions/plain_controls.h"

namespace {

// A broken invariant aborts, which libFuzzer reports with the input.
void Expect(bool holds, const std::string& what, double value = 0) {
    if (holds) return;
    std::fprintf(stderr, "\nBroken invariant: %s (%.17g)\n", what.c_str(), value);
    std::abort();
}

// A value as the window might hold it: mostly within the box's range, sometimes outside.
double BoxValue(FuzzedDataProvider& input, double limit) {
    switch (input.ConsumeIntegralInRange(0, 5)) {
        case 0:
            return input.ConsumeIntegralInRange(0, static_cast<int>(limit));
        case 1:
            return input.ConsumeFloatingPointInRange(0.0, limit);
        case 2:
            return input.ConsumeFloatingPointInRange(-limit, limit);
        case 3:
            return input.ConsumeFloatingPointInRange(-99.0, 999.0);
        case 4:
            return input.ConsumeFloatingPoint<double>();
        default: {
            // Any bit pattern that is a finite number, denormals included.
            const double value = std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>());
            return std::isfinite(value) ? value : 0;
        }
    }
}

void CheckArcCos(double x) {
    if (std::isnan(x)) return;
    const double r = geo::ArcCos(x);
    Expect(r >= 0 && r <= geo::kPi, "ArcCos left 0..kPi", x);
    // The window fuzz target's recomputation uses std::acos and allows for this difference.
    const double allowed = expected_results::ArcCosDifference(x);
    Expect(allowed == 0 || std::fabs(r - std::acos(x)) <= allowed,
           "ArcCos strays from std::acos further than ArcCosDifference allows", x);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    CheckArcCos(std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>()));
    CheckArcCos(input.ConsumeFloatingPointInRange(-1.0 - 1E-9, 1.0 + 1E-9));
    // Close to the end points, where the two arc cosines drift furthest apart.
    const double nearEnd = std::pow(10.0, input.ConsumeFloatingPointInRange(-11.5, 0.0));
    CheckArcCos(1 - nearEnd);
    CheckArcCos(nearEnd - 1);

    sessions::PlainControls boxes;
    std::array<double, 4> radians{};
    bool guarded = false;
    for (std::size_t g = 0; g < 4; ++g) {
        const form::CoordinateGroup& group = form::kCoordinateGroups[g];
        const bool latitude = group.latitude;
        const double degrees = BoxValue(input, group.degreesLimit);
        const double minutes = BoxValue(input, 59);
        const double seconds = BoxValue(input, 59);
        const bool negative = input.ConsumeBool();
        for (const auto& [box, value] : {std::pair{group.degrees, degrees},
                                         {group.minutes, minutes},
                                         {group.seconds, seconds}}) {
            char text[32];
            boxes.boxes[box] = std::string(text, std::to_chars(text, text + 32, value).ptr);
        }
        boxes.boxes[group.letter] = negative ? (latitude ? "S" : "E") : (latitude ? "N" : "W");

        double v = geo::ToRadians(degrees, minutes, seconds);
        if (v > (latitude ? geo::kHalfPiLimit : geo::kPi) || !std::isfinite(v)) guarded = true;
        radians[g] = negative ? v * -1 : v;
    }

    form::Form form(boxes);
    form.Recalculate();
    for (const auto& [label, caption] : boxes.labels)
        Expect(caption.find("nan") == std::string::npos && caption.find("inf") == std::string::npos,
               "Label" + std::to_string(label) + " reads \"" + caption + "\"");
    if (guarded) {
        Expect(boxes.beeps == 1 && boxes.labels.empty(), "the guard let a coordinate through");
        return 0;
    }
    Expect(boxes.beeps == 0 && boxes.labels.size() == 2, "the guard tripped on a valid coordinate");

    const auto [lat1, lat2, lon1, lon2] = radians;
    const double d = geo::CentralAngle(lat1, lon1, lat2, lon2);
    Expect(d >= 0 && d <= geo::kPi, "central angle outside 0..kPi", d);
    const double dist = geo::DistanceKm(d);
    Expect(std::isfinite(dist) && dist >= 0 && dist <= 20004, "distance outside 0..20004 km", dist);
    if (d != 0 && d != geo::kPi && std::cos(lat1) >= geo::kPoleTolerance) {
        const double course = geo::InitialCourse(lat1, lon1, lat2, lon2, d);
        Expect(course >= 0 && course <= geo::kTwoPi, "course outside 0..kTwoPi", course);
        const double degrees = geo::ToDegrees(course);
        Expect(degrees >= 0 && degrees <= 360, "course outside 0..360 degrees", degrees);
    }
    return 0;
}
