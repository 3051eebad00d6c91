#include "windows/FlatLineEdit.h"

#include "platform/QtColor.h"
#include "windows/FlatFrame.h"

#include <QPainter>

namespace tessra {

FlatLineEdit::FlatLineEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(2, 0, 2, 0);
    // The classic window colours, as the cells have: the black frame and
    // the text read under a dark theme too.
    QPalette classic = palette();
    classic.setColor(QPalette::All, QPalette::Base, ToQColor(SystemWindowBackground));
    classic.setColor(QPalette::All, QPalette::Text, ToQColor(SystemWindowText));
    setPalette(classic);
}

void FlatLineEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    // Neighbouring cells overlap so that their borders meet in one line.
    QPainter painter(this);
    DrawFlatFrame(painter, *this);
    if (hasFocus()) {
        DrawFocusMark(painter, *this, palette().color(QPalette::Base));
    }
}

} // namespace tessra
