#include "windows/CellEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tessra {

CellEdit::CellEdit(int index, QWidget* parent) : QLineEdit(parent), index_(index) {
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    setAccessibleName(
        QStringLiteral("row %1, column %2").arg(RowOf(index) + 1).arg(ColumnOf(index) + 1));
    ApplyColors();
}

void CellEdit::SetForeColor(ColorValue color) {
    if (color != fore_) {
        fore_ = color;
        ApplyColors();
    }
}

void CellEdit::SetBackColor(ColorValue color) {
    if (color != back_) {
        back_ = color;
        ApplyColors();
    }
}

void CellEdit::ApplyColors() {
    QPalette p = palette();
    p.setColor(QPalette::All, QPalette::Base, ToQColor(back_));
    p.setColor(QPalette::All, QPalette::Text, ToQColor(fore_));
    setPalette(p);
}

void CellEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked(index_);
    }
}

void CellEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            emit ArrowPressed(index_, event->key());
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void CellEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Tabbing into a cell must not select its digit: typing then goes
    // behind it, exactly as after a click at the end of the text.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        deselect();
        setCursorPosition(static_cast<int>(text().size()));
    }
}

void CellEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    // The flat single-line border; neighbouring cells overlap so that their
    // borders meet in one line.
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tessra
