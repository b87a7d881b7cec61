#include "win32/locale_number.h"

#include <windows.h>

#include <charconv>
#include <cmath>

#include "win32/utf16.h"

namespace win32 {

namespace {

std::string LocaleString(LCTYPE type, const char* fallback) {
    wchar_t buffer[16]{};  // LOCALE_SDECIMAL and LOCALE_SNEGATIVESIGN hold at most 4 characters
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 16) <= 1) return fallback;
    return ToUtf8(buffer);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Removes prefix from the front of text if it is there.
bool Take(std::string_view& text, std::string_view prefix) {
    if (prefix.empty() || !text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

// Moves the leading digits of text to out; returns how many there were.
std::size_t TakeDigits(std::string_view& text, std::string& out) {
    std::size_t n = 0;
    while (n < text.size() && IsDigit(text[n])) ++n;
    out.append(text.substr(0, n));
    text.remove_prefix(n);
    return n;
}

}  // namespace

NumberFormat UserNumberFormat() {
    return {LocaleString(LOCALE_SDECIMAL, "."), LocaleString(LOCALE_SNEGATIVESIGN, "-")};
}

std::optional<double> ParseNumber(std::string_view text, const NumberFormat& format) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

    // Rewritten in the C form that from_chars reads, which knows no locale.
    std::string plain;
    if (Take(text, format.negativeSign) || Take(text, "-"))
        plain += '-';
    else
        Take(text, "+");
    std::size_t digits = TakeDigits(text, plain);
    if (Take(text, format.decimalSeparator)) {
        plain += '.';
        digits += TakeDigits(text, plain);
    }
    if (digits == 0) return std::nullopt;
    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        text.remove_prefix(1);
        plain += 'e';
        if (Take(text, "-"))
            plain += '-';
        else
            Take(text, "+");
        if (TakeDigits(text, plain) == 0) return std::nullopt;
    }
    if (!text.empty()) return std::nullopt;

    double value = 0;
    const char* end = plain.data() + plain.size();
    const auto [stop, error] = std::from_chars(plain.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace win32
