#include "platform/QtColor.h"

#include <array>

namespace tessra {

namespace {

// Classic values of the standard system colour indices 0..24, as 0xRRGGBB.
constexpr std::array<QRgb, 25> ClassicSystemColors = {
    0xC0C0C0, // 0 scroll bars
    0x008080, // 1 desktop
    0x000080, // 2 active title bar
    0x808080, // 3 inactive title bar
    0xC0C0C0, // 4 menu bar
    0xFFFFFF, // 5 window background
    0x000000, // 6 window frame
    0x000000, // 7 menu text
    0x000000, // 8 window text
    0xFFFFFF, // 9 active title bar text
    0xC0C0C0, // 10 active border
    0xC0C0C0, // 11 inactive border
    0x808080, // 12 application workspace
    0x000080, // 13 highlight
    0xFFFFFF, // 14 highlight text
    0xC0C0C0, // 15 button face
    0x808080, // 16 button shadow
    0x808080, // 17 grey text
    0x000000, // 18 button text
    0xC0C0C0, // 19 inactive title bar text
    0xFFFFFF, // 20 button highlight
    0x000000, // 21 3D dark shadow
    0xDFDFDF, // 22 3D light
    0x000000, // 23 tooltip text
    0xFFFFE1, // 24 tooltip background
};

} // namespace

QColor ToQColor(ColorValue value) {
    if (IsSystemColor(value)) {
        const std::size_t index = value & 0xFFU;
        if ((value & 0x7FFFFF00U) != 0 || index >= ClassicSystemColors.size()) {
            return QColor(Qt::black);
        }
        return QColor(ClassicSystemColors[index]);
    }
    return QColor(static_cast<int>(value & 0xFFU), static_cast<int>((value >> 8) & 0xFFU),
                  static_cast<int>((value >> 16) & 0xFFU));
}

ColorValue FromQColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<ColorValue>(rgb.red()) | (static_cast<ColorValue>(rgb.green()) << 8) |
           (static_cast<ColorValue>(rgb.blue()) << 16);
}

} // namespace tessra
