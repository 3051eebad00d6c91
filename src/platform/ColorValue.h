#pragma once

#include <QColor>
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

// System colours show as the classic fixed colours (window background white,
// window text black, button face light grey, ...), so the board reads the
// same under any desktop theme. An unknown system index shows black.
QColor ToQColor(ColorValue value);

// The 0x00BBGGRR value of an ordinary colour.
ColorValue FromQColor(const QColor& color);

} // namespace tessra
