#include "windows/ColorBox.h"

#include "windows/FlatFrame.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>

namespace tessra {

ColorBox::ColorBox(int index, Kind kind, QWidget* parent)
    : QWidget(parent), index_(index), kind_(kind) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (kind_ == Kind::Candidates) {
        setAttribute(Qt::WA_InputMethodEnabled);
    }
}

void ColorBox::SetText(QLatin1StringView text) {
    if (text_ != text) {
        text_ = text;
        update();
    }
}

void ColorBox::SetText(const QString& text) {
    if (text_ != text) {
        text_ = text;
        update();
    }
}

void ColorBox::SetForeColor(ColorValue color) {
    if (color != fore_) {
        fore_ = color;
        update();
    }
}

void ColorBox::SetBackColor(ColorValue color) {
    if (color != back_) {
        back_ = color;
        update();
    }
}

void ColorBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor back = ToQColor(back_);
    painter.fillRect(rect(), back);
    if (!text_.isEmpty()) {
        painter.setPen(ToQColor(fore_));
        painter.setFont(font());
        QTextOption option(Qt::AlignLeft | Qt::AlignTop);
        option.setWrapMode(QTextOption::WrapAnywhere);
        painter.drawText(QRectF(rect().adjusted(2, 1, -2, -1)), text_, option);
    }
    DrawFlatFrame(painter, *this);
    if (hasFocus() && keyboardFocus_) {
        DrawFocusMark(painter, *this, back);
    }
}

void ColorBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked(index_);
    }
}

void ColorBox::keyPressEvent(QKeyEvent* event) {
    if (kind_ == Kind::Swatch) {
        if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
            event->key() == Qt::Key_Enter) {
            emit Clicked(index_);
            return;
        }
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Backspace) {
        if (!text_.isEmpty()) {
            SetText(text_.left(text_.size() - 1));
        }
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() &&
        (event->modifiers() & Qt::ControlModifier) == 0) {
        SetText(text_ + typed);
        return;
    }
    QWidget::keyPressEvent(event);
}

void ColorBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    keyboardFocus_ = event->reason() == Qt::TabFocusReason ||
                     event->reason() == Qt::BacktabFocusReason ||
                     event->reason() == Qt::ShortcutFocusReason;
    update();
}

void ColorBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

} // namespace tessra
