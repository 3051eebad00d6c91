#include "windows/CellEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tessra {

int ArrowNeighbour(int index, int key) {
    int x = ColumnOf(index);
    int y = RowOf(index);
    switch (key) {
    case Qt::Key_Left:
        --x;
        break;
    case Qt::Key_Right:
        ++x;
        break;
    case Qt::Key_Up:
        --y;
        break;
    case Qt::Key_Down:
        ++y;
        break;
    default:
        return -1;
    }
    return x >= 0 && x < BoardSide && y >= 0 && y < BoardSide ? IndexOf(x, y) : -1;
}

QString CellName(int index) {
    return QStringLiteral("row %1, column %2").arg(RowOf(index) + 1).arg(ColumnOf(index) + 1);
}

CellEdit::CellEdit(int index, QWidget* parent) : FlatLineEdit(parent), index_(index) {
    setTextMargins(0, 0, 0, 0);
    setAlignment(Qt::AlignCenter);
    setAccessibleName(CellName(index));
    SetColors(fore_, back_);
}

void CellEdit::SetForeColor(ColorValue color) {
    if (color != fore_) {
        fore_ = color;
        SetColors(fore_, back_);
    }
}

void CellEdit::SetBackColor(ColorValue color) {
    if (color != back_) {
        back_ = color;
        SetColors(fore_, back_);
    }
}

void CellEdit::mouseReleaseEvent(QMouseEvent* event) {
    FlatLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked(index_);
    }
}

void CellEdit::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Not passed on to the line edit: Return selects the cell as a
        // click does and never edits it.
        if (plain) {
            emit Clicked(index_);
            event->accept();
            return;
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (plain) {
            emit ArrowPressed(index_, event->key());
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    FlatLineEdit::keyPressEvent(event);
}

void CellEdit::focusInEvent(QFocusEvent* event) {
    FlatLineEdit::focusInEvent(event);
    // Tabbing into a cell must not select its digit: typing then goes
    // behind it, exactly as after a click at the end of the text.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        deselect();
        setCursorPosition(static_cast<int>(text().size()));
    }
}

} // namespace tessra
