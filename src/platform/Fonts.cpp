#include "platform/Fonts.h"

#include <QStringList>

namespace tessra {

namespace {

QFont MakeFont(const QStringList& families, double pointSize, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont CourierFont(double pointSize, bool bold) {
    return MakeFont({"Courier New", "Liberation Mono", "Courier", "monospace"}, pointSize, bold);
}

QFont TimesFont(double pointSize, bool bold) {
    return MakeFont({"Times New Roman", "Liberation Serif", "Times", "serif"}, pointSize, bold);
}

} // namespace tessra
