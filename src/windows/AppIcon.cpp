#include "windows/AppIcon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace tessra {

QPixmap DrawAppIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double cell = size / 3.0;
    // Nine blocks in two shades of the 16-colour palette, like a board.
    for (int by = 0; by < 3; ++by) {
        for (int bx = 0; bx < 3; ++bx) {
            const bool dark = (bx + by) % 2 == 0;
            painter.fillRect(QRectF(bx * cell, by * cell, cell, cell),
                             dark ? QColor(0, 0, 128) : QColor(255, 255, 255));
        }
    }
    painter.setPen(QPen(QColor(0, 0, 0), std::max(1, size / 32)));
    painter.drawRect(0, 0, size - 1, size - 1);
    QFont font;
    font.setBold(true);
    font.setPixelSize(static_cast<int>(cell * 0.9));
    painter.setFont(font);
    const char* digits = "1.3.5.7.9";
    for (int k = 0; k < 9; ++k) {
        if (digits[k] == '.') {
            continue;
        }
        const int column = k % 3;
        const int row = k / 3;
        const bool dark = (column + row) % 2 == 0;
        painter.setPen(dark ? QColor(255, 255, 0) : QColor(128, 0, 0));
        painter.drawText(QRectF(column * cell, row * cell, cell, cell), Qt::AlignCenter,
                         QString(QChar(digits[k])));
    }
    return pixmap;
}

QIcon AppIcon() {
    static const QIcon icon = [] {
        QIcon result;
        result.addPixmap(DrawAppIcon(32));
        result.addPixmap(DrawAppIcon(64));
        return result;
    }();
    return icon;
}

} // namespace tessra
