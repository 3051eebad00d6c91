#pragma once

#include "board/ColorValue.h"

#include <QColor>

namespace tessra {

// System colours show as the classic fixed colours (window background white,
// window text black, button face light grey, ...), so the board reads the
// same under any desktop theme. An unknown system index shows black.
QColor ToQColor(ColorValue value);

// The 0x00BBGGRR value of an ordinary colour.
ColorValue FromQColor(const QColor& color);

} // namespace tessra
