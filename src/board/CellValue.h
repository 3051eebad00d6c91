#pragma once

#include <string_view>

namespace tessra {

// The digit a cell text places on the board, or 0 for an open cell.
//
// The value of a text is the decimal number at its start after any leading
// blanks (a fraction rounds to the nearest whole number, an exact half to the
// even one); a text that does not start with a number reads 0. Only values
// 1..9 are placed digits: 0, negative numbers, 10 and above - however many
// digits they have - all count as an open cell.
int CellDigit(std::string_view text);

} // namespace tessra
