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
// The value must be finite. It is rounded half away from zero on the shortest decimal that reads
// back as it, as a user would write it (0.15 gives 0.2, though its binary value lies just below);
// a value that rounds to zero is shown without a minus sign ("0.0", never "-0.0").
std::string RenderNumber(double value, std::string_view pattern, std::string_view decimalSeparator);

}  // namespace form
