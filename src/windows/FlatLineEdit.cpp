#include "windows/FlatLineEdit.h"

#include "windows/FlatFrame.h"

#include <QPainter>

namespace tessra {

FlatLineEdit::FlatLineEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(2, 0, 2, 0);
}

void FlatLineEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    // Neighbouring cells overlap so that their borders meet in one line.
    QPainter painter(this);
    DrawFlatFrame(painter, *this);
    if (hasFocus()) {
        DrawFocusMark(painter, *this);
    }
}

} // namespace tessra
