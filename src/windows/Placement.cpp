#include "windows/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tessra {

void CentreByClientSize(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize client = window->size();
    window->move(area.x() + static_cast<int>(area.width() / 2.0f - client.width() / 2.0f),
                 area.y() + static_cast<int>(area.height() / 2.0f - client.height() / 2.0f));
}

} // namespace tessra
