// Rendering a number by a display pattern such as "0.000 Km".
#pragma once

#include <string>
#include <string_view>

namespace form {

// Renders value by pattern: the run of "0"s up to the first "." gives the integer digits always
// shown (more appear as needed, never a thousands separator), the "0"s right after the "." the
// number of decimals the value is rounded to, and the "." itself becomes decimalSeparator.
// Everything before the first "0" and after the number is copied literally.
//
// A value that rounds to zero is shown without a minus sign ("0.0", never "-0.0"). The value must
// be finite; rounding is to nearest on the exact binary value.
std::string RenderNumber(double value, std::string_view pattern, std::string_view decimalSeparator);

}  // namespace form
