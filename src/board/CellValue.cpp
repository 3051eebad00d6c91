#include "board/CellValue.h"

#include "board/Cell.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace tessra {

namespace {

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Rounds to the nearest whole number, an exact half to the even one,
// whatever the floating-point rounding mode is.
double RoundHalfToEven(double value) {
    const double whole = std::floor(value);
    const double rest = value - whole;
    if (rest > 0.5) {
        return whole + 1;
    }
    if (rest < 0.5) {
        return whole;
    }
    return std::fmod(whole, 2.0) == 0.0 ? whole : whole + 1;
}

} // namespace

int CellDigit(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) {
        ++start;
    }
    text.remove_prefix(start);
    if (text.empty()) {
        return 0;
    }
    if (text.front() == '-' || text.front() == '+') {
        // A negative number is never a digit, and "-0.4" rounds to 0 anyway.
        if (text.front() == '-') {
            return 0;
        }
        text.remove_prefix(1);
    }
    const bool startsWithNumber =
        !text.empty() && (IsDecimalDigit(text.front()) ||
                          (text.front() == '.' && text.size() > 1 && IsDecimalDigit(text[1])));
    if (!startsWithNumber) {
        return 0;
    }
    // from_chars reads digits, a fraction and an exponent without looking at
    // the locale, and reports numbers beyond any double as out of range.
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    (void)end;
    if (error != std::errc()) {
        return 0;
    }
    const double rounded = RoundHalfToEven(value);
    // Tested as a double first: a value beyond int is no digit either, and
    // converting it would be undefined.
    const int whole = rounded >= 0 && rounded <= 9 ? static_cast<int>(rounded) : 0;
    return IsPlacedDigit(whole) ? whole : 0;
}

} // namespace tessra
