#include "board/DigitString.h"

#include <cmath>

namespace tessra {

void CompressDigitStr(std::string& theDigitStr) {
    std::string result;
    result.reserve(theDigitStr.size());
    for (const char c : theDigitStr) {
        if (!(c > '9') && !(c < '0')) {
            result.push_back(c);
        }
    }
    theDigitStr = std::move(result);
}

std::string Random1to9Str(std::string_view restrictFlag, RandomSource& random) {
    std::string digits(restrictFlag);
    CompressDigitStr(digits);
    const auto n = static_cast<float>(digits.size());
    const float r = random.Draw();
    // p = floor(r * n + 1) in 1..n; r < 1 keeps it off n + 1.
    const auto p = static_cast<std::size_t>(std::floor(double{r} * double{n} + 1.0));
    if (p > digits.size()) {
        return {};
    }
    return digits.substr(p - 1, 1);
}

} // namespace tessra
