// Rendering by display pattern.
#include <gtest/gtest.h>

#include "form/number_pattern.h"

namespace {

using form::RenderNumber;

struct Row {
    const char* name;
    double value;
    const char* pattern;
    const char* separator;
    const char* expected;
};

TEST(RenderNumber, Patterns) {
    const Row rows[] = {
        {"three decimals with a comma", 3.14159, "0.000 Km", ",", "3,142 Km"},
        {"no decimals, no thousands separator", 20004, "0 km", ",", "20004 km"},
        {"a leading zero below one", 0.25, "0.0", ".", "0.3"},
        {"a half rounds away from zero as written", 0.15, "0.0", ".", "0.2"},
        {"a negative half too", -2.25, "0.0", ".", "-2.3"},
        {"carries into a new digit", 999.96, "0.0 Km", ".", "1000.0 Km"},
        {"negative zero has no minus", -0.0, "0.0", ".", "0.0"},
        {"a negative value rounding to zero has no minus", -0.04, "0.0 Grad", ".", "0.0 Grad"},
        {"suffix copied with its blank", 195.46, "0.0 Grad", ",", "195,5 Grad"},
        {"huge value in full", 1E20, "0 km", ".", "100000000000000000000 km"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(RenderNumber(r.value, r.pattern, r.separator), r.expected) << r.name;
}

}  // namespace
