#include "platform/BusyCursor.h"

#include <QApplication>
#include <QCursor>

namespace tessra {

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

} // namespace tessra
