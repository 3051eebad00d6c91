#pragma once

#include <cstdint>

namespace tessra {

// A colour as the program stores and saves it: 0x00BBGGRR (red in the lowest
// byte), or, with the top bit set, a system colour whose index is in the low
// byte. The exact value is kept everywhere, so a system colour loaded from a
// file is saved back unchanged.
using ColorValue = std::uint32_t;

inline constexpr ColorValue SystemColorBit = 0x80000000U;
inline constexpr ColorValue SystemWindowBackground = SystemColorBit | 5U;
inline constexpr ColorValue SystemWindowText = SystemColorBit | 8U;
inline constexpr ColorValue SystemButtonFace = SystemColorBit | 15U;

constexpr bool IsSystemColor(ColorValue value) {
    return (value & SystemColorBit) != 0;
}

// The palette beside the board has this many swatches, and a puzzle file
// carries their colours.
inline constexpr int PaletteSize = 16;

} // namespace tessra
