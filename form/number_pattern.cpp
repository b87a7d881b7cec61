#include "form/number_pattern.h"

#include <array>
#include <charconv>

namespace form {

namespace {

struct Pattern {
    std::string_view prefix;
    int integerDigits = 0;
    int decimals = 0;
    std::string_view suffix;
};

Pattern Parse(std::string_view pattern) {
    Pattern p;
    std::size_t i = pattern.find_first_of("0.");
    if (i == std::string_view::npos) {
        p.prefix = pattern;
        return p;
    }
    p.prefix = pattern.substr(0, i);
    for (; i < pattern.size() && pattern[i] == '0'; ++i) ++p.integerDigits;
    if (i < pattern.size() && pattern[i] == '.') {
        for (++i; i < pattern.size() && pattern[i] == '0'; ++i) ++p.decimals;
    }
    p.suffix = pattern.substr(i);
    return p;
}

// Rounds the decimal digits integer.fraction to `decimals` places, half away from zero.
void RoundDigits(std::string& integer, std::string& fraction, int decimals) {
    const auto keep = static_cast<std::size_t>(decimals);
    if (fraction.size() <= keep) {
        fraction.append(keep - fraction.size(), '0');
        return;
    }
    const bool up = fraction[keep] >= '5';
    fraction.resize(keep);
    if (!up) return;
    // Carry through the fraction, then the integer part.
    for (std::string* part : {&fraction, &integer}) {
        for (auto it = part->rbegin(); it != part->rend(); ++it) {
            if (*it != '9') {
                ++*it;
                return;
            }
            *it = '0';
        }
    }
    integer.insert(integer.begin(), '1');
}

}  // namespace

std::string RenderNumber(double value, std::string_view pattern,
                         std::string_view decimalSeparator) {
    const Pattern p = Parse(pattern);
    // The shortest decimal that reads back as the value is what the user would write for it, so
    // the rounding works on those digits: 0.15 rounds to 0.2, as on paper. Fixed notation of the
    // largest double needs 309 digits.
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed);
    if (error != std::errc()) return std::string(p.prefix) + std::string(p.suffix);
    std::string_view digits(buffer.data(), static_cast<std::size_t>(end - buffer.data()));

    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) digits.remove_prefix(1);
    const std::size_t point = digits.find('.');
    std::string integer(digits.substr(0, point));
    std::string fraction(point == std::string_view::npos ? std::string_view()
                                                         : digits.substr(point + 1));
    RoundDigits(integer, fraction, p.decimals);

    // Whatever rounds to zero shows no sign ("0.0", never "-0.0").
    const bool zero = (integer + fraction).find_first_not_of('0') == std::string::npos;
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (static_cast<int>(integer.size()) < p.integerDigits)
        integer.insert(0, static_cast<std::size_t>(p.integerDigits) - integer.size(), '0');

    std::string out(p.prefix);
    if (negative && !zero) out += '-';
    out += integer;
    if (p.decimals > 0) {
        out += decimalSeparator;
        out += fraction;
    }
    out += p.suffix;
    return out;
}

}  // namespace form
