#include "windows/Placement.h"

#include "platform/Twips.h"
#include "windows/AppIcon.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tessra {

namespace {

const QScreen* ScreenOf(const QWidget* window) {
    if (const QWidget* owner = window->parentWidget()) {
        return owner->screen();
    }
    return QGuiApplication::primaryScreen();
}

} // namespace

void CentreByClientSize(QWidget* window, QSize client) {
    const QScreen* screen = ScreenOf(window);
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    window->move(area.x() + static_cast<int>(static_cast<float>(area.width()) / 2.0f -
                                             static_cast<float>(client.width()) / 2.0f),
                 area.y() + static_cast<int>(static_cast<float>(area.height()) / 2.0f -
                                             static_cast<float>(client.height()) / 2.0f));
}

void MakeFixedDialog(QDialog* dialog, const QString& caption, int widthTwips, int heightTwips) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(caption);
    dialog->setWindowIcon(AppIcon());
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    dialog->setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
    dialog->setModal(false);
}

void CentreByClientSize(QWidget* window) {
    CentreByClientSize(window, window->size());
}

void PlaceBeside(QWidget* window, const QWidget* owner) {
    const QScreen* screen = owner->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QRect frame = owner->frameGeometry();
    const QSize size = window->frameSize();
    constexpr int Gap = 8;
    const QPoint right(frame.right() + Gap, frame.top());
    const QPoint left(frame.left() - Gap - size.width(), frame.top());
    for (const QPoint& at : {right, left}) {
        if (area.contains(QRect(at, size))) {
            window->move(at);
            return;
        }
    }
}

} // namespace tessra
