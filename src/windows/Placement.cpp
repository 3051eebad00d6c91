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
    window->move(area.x() + static_cast<int>(static_cast<float>(area.width()) / 2.0f -
                                             static_cast<float>(client.width()) / 2.0f),
                 area.y() + static_cast<int>(static_cast<float>(area.height()) / 2.0f -
                                             static_cast<float>(client.height()) / 2.0f));
}

} // namespace tessra
