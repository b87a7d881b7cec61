// Numbers as the user's locale writes them: the numeric test and the conversion of box texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace win32 {

// The parts of the locale's number format that a number in a box can contain. UTF-8.
struct NumberFormat {
    std::string decimalSeparator;
    std::string negativeSign;
};

// The user's settings (Region in the control panel).
NumberFormat UserNumberFormat();

// The value of text, strictly as the locale writes a number: blanks around it, an optional sign
// ("+", "-" or the locale's negative sign), digits with at most one decimal separator and at least
// one digit, and an optional exponent ("e" or "E", an optional sign, digits). Nothing else, no
// grouping, and no infinity, NaN or value too large for a double.
std::optional<double> ParseNumber(std::string_view text, const NumberFormat& format);

}  // namespace win32
