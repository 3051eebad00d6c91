#include "windows/Placement.h"

#include "platform/Twips.h"
#include "windows/AppIcon.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

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
    // A window that was never shown has no frame yet; it will get the same
    // decorations as its owner.
    QSize size = window->frameGeometry().size();
    if (size == window->size()) {
        const QRect inner = owner->geometry();
        size =
            size.grownBy(QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                                  frame.right() - inner.right(), frame.bottom() - inner.bottom()));
    }
    if (size.width() > area.width() || size.height() > area.height()) {
        return; // larger than the screen: the window manager knows best
    }
    const auto clampX = [&](int x) {
        return std::clamp(x, area.left(), area.right() + 1 - size.width());
    };
    const auto clampY = [&](int y) {
        return std::clamp(y, area.top(), area.bottom() + 1 - size.height());
    };
    constexpr int Gap = 8;
    const int rightOf = frame.right() + 1 + Gap;
    const int leftOf = frame.left() - Gap - size.width();
    const int below = frame.bottom() + 1 + Gap;
    const int above = frame.top() - Gap - size.height();
    // Beside the owner, top edges level, where the screen has room; then
    // below or above it.
    for (const QPoint& at :
         {QPoint(rightOf, clampY(frame.top())), QPoint(leftOf, clampY(frame.top())),
          QPoint(clampX(frame.left()), below), QPoint(clampX(frame.left()), above)}) {
        if (area.contains(QRect(at, size))) {
            window->move(at);
            return;
        }
    }
    // No room anywhere: on the screen, covering as little of the owner as
    // can be.
    QPoint best;
    qint64 leastCovered = -1;
    for (const int x : {clampX(rightOf), clampX(leftOf)}) {
        for (const int y : {area.top(), area.bottom() + 1 - size.height()}) {
            const QRect covered = QRect(QPoint(x, y), size).intersected(frame);
            const qint64 amount = qint64(covered.width()) * covered.height();
            if (leastCovered < 0 || amount < leastCovered) {
                leastCovered = amount;
                best = QPoint(x, y);
            }
        }
    }
    window->move(best);
}

void ShowInFront(QWidget* window, bool takeFocus) {
    window->show();
    window->raise();
    if (takeFocus) {
        window->activateWindow();
    }
}

} // namespace tessra
