// The numeric test and conversion of box texts as the user's locale writes numbers.
#include <optional>
#include <string>
#include <vector>

#include "cases.h"
#include "win32/locale_number.h"

namespace win32_test {

using win32::NumberFormat;
using win32::ParseNumber;

namespace {

const NumberFormat kPoint{".", "-"};
const NumberFormat kComma{",", "-"};
// A locale whose minus is the typographic one (U+2212).
const NumberFormat kMinusSign{",", "\xE2\x88\x92"};

struct Reading {
    const char* name;
    const NumberFormat& format;
    const char* text;
    std::optional<double> value;
};

const Reading kReadings[] = {
    {"digits", kPoint, "52", 52},
    {"a leading zero", kPoint, "05", 5},
    {"a decimal point", kPoint, "1.5", 1.5},
    {"a decimal comma where the locale writes one", kComma, "1,5", 1.5},
    {"a point where the locale writes a comma is no number", kComma, "1.5", std::nullopt},
    {"a comma where the locale writes a point is no number", kPoint, "1,5", std::nullopt},
    {"a fraction without integer digits", kPoint, ".5", 0.5},
    {"integer digits before a bare separator", kComma, "5,", 5},
    {"a separator alone is no number", kPoint, ".", std::nullopt},
    {"a minus sign", kPoint, "-5", -5},
    {"a plus sign", kPoint, "+5", 5},
    {"the locale's own minus sign", kMinusSign,
     "\xE2\x88\x92"
     "2,5",
     -2.5},
    {"an ASCII minus where the locale has another", kMinusSign, "-3", -3},
    {"a sign alone is no number", kPoint, "-", std::nullopt},
    {"two signs are no number", kPoint, "--5", std::nullopt},
    {"an exponent", kPoint, "1E4", 10000},
    {"a negative exponent", kComma, "25e-1", 2.5},
    {"an exponent without digits is no number", kPoint, "1E", std::nullopt},
    {"an exponent without a mantissa is no number", kPoint, "E4", std::nullopt},
    {"blanks around a number", kPoint, " \t7 ", 7},
    {"a blank inside a number is no number", kPoint, "1 000", std::nullopt},
    {"the empty text is no number", kPoint, "", std::nullopt},
    {"blanks only are no number", kPoint, "  ", std::nullopt},
    {"letters are no number", kPoint, "ab", std::nullopt},
    {"a trailing letter is no number", kPoint, "5a", std::nullopt},
    {"infinity is no number", kPoint, "inf", std::nullopt},
    {"NaN is no number", kPoint, "NaN", std::nullopt},
    {"a hexadecimal number is no number", kPoint, "0x10", std::nullopt},
    {"a value too large for a double is no number", kPoint, "1E400", std::nullopt},
    {"38 nines are a number", kPoint, "99999999999999999999999999999999999999", 1e38},
};

std::string Show(const std::optional<double>& value) {
    return value ? std::to_string(*value) : "no number";
}

}  // namespace

void AddNumberTests(std::vector<Case>& cases) {
    cases.push_back({"a box's text is read as a number as the user's locale writes one", [] {
                         std::string wrong;
                         for (const Reading& c : kReadings) {
                             const std::optional<double> value = ParseNumber(c.text, c.format);
                             if (value != c.value)
                                 wrong += std::string("\n  ") + c.name + ": read " + Show(value) +
                                          ", not " + Show(c.value);
                         }
                         return wrong;
                     }});
}

}  // namespace win32_test
