#pragma once

#include "board/RandomSource.h"

#include <string>
#include <string_view>

namespace tessra {

// Keeps only the characters "0".."9" of the string, in their order.
void CompressDigitStr(std::string& theDigitStr);

// One digit drawn at random from the digits of restrictFlag (normally a
// candidate string), or "" when it holds none. Takes exactly one draw
// whatever the string.
std::string Random1to9Str(std::string_view restrictFlag, RandomSource& random);

} // namespace tessra
