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
    SetColors(SystemWindowText, SystemWindowBackground);
}

void FlatLineEdit::SetColors(ColorValue fore, ColorValue back) {
    // Set for all colour groups: colours of the active group alone would
    // vanish while the window is inactive.
    QPalette p = palette();
    p.setColor(QPalette::All, QPalette::Base, ToQColor(back));
    p.setColor(QPalette::All, QPalette::Text, ToQColor(fore));
    setPalette(p);
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
