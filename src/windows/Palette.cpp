#include "windows/Palette.h"

#include "platform/QtColor.h"

#include <algorithm>

namespace tessra {

QString SpokenColorName(ColorValue color) {
    const QColor shown = ToQColor(color);
    const auto distance = [&shown](const NamedColor& named) {
        const QColor other = ToQColor(named.value);
        const int dr = shown.red() - other.red();
        const int dg = shown.green() - other.green();
        const int db = shown.blue() - other.blue();
        return dr * dr + dg * dg + db * db;
    };
    const NamedColor& nearest =
        *std::min_element(StartPalette.begin(), StartPalette.end(),
                          [&distance](const NamedColor& a, const NamedColor& b) {
                              return distance(a) < distance(b);
                          });
    const QString words = QString::fromLatin1(nearest.name);
    const QString hex = shown.name(QColor::HexRgb).toUpper();
    return (distance(nearest) == 0 ? words : QStringLiteral("near ") + words) +
           QStringLiteral(", ") + hex;
}

} // namespace tessra
