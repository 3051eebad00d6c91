#include "windows/ColorBox.h"

#include "platform/QtColor.h"
#include "windows/ColorBoxAccessible.h"
#include "windows/FlatFrame.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>

namespace tessra {

namespace {

// Installs the screen-reader view before the first box is built, so no box
// is ever described by the plain widget view, which Qt would keep.
QWidget* WithAccessibleView(QWidget* parent) {
    InstallColorBoxAccessible();
    return parent;
}

} // namespace

ColorBox::ColorBox(int index, Kind kind, QWidget* parent)
    : QWidget(WithAccessibleView(parent)), index_(index), kind_(kind) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (kind_ == Kind::Candidates) {
        setAttribute(Qt::WA_InputMethodEnabled);
    }
}

void ColorBox::SetText(QLatin1StringView text) {
    if (text_ != text) {
        // The old text is kept (shared) only for a listening screen reader,
        // so that otherwise the assignment reuses the text's buffer.
        const QString oldText = QAccessible::isActive() ? text_ : QString();
        text_ = text;
        TextChanged(oldText);
    }
}

void ColorBox::SetText(const QString& text) {
    if (text_ != text) {
        const QString oldText = QAccessible::isActive() ? text_ : QString();
        text_ = text;
        TextChanged(oldText);
    }
}

void ColorBox::TextChanged(const QString& oldText) {
    update();
    // 81 boxes change on every keystroke: only build the event, and with it
    // the box's accessible object, when a screen reader is listening.
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(this, 0, oldText, text_);
        QAccessible::updateAccessibility(&event);
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
        if (kind_ == Kind::Swatch && QAccessible::isActive()) {
            QAccessibleEvent event(this, QAccessible::NameChanged); // the name says the colour
            QAccessible::updateAccessibility(&event);
        }
    }
}

void ColorBox::SetChecked(bool checked) {
    if (checked != checked_) {
        checked_ = checked;
        if (QAccessible::isActive()) {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(this, changed);
            QAccessible::updateAccessibility(&event);
        }
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
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Press(); // never typed into a box
        return;
    default:
        break;
    }
    if (kind_ == Kind::Candidates) {
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
    }
    QWidget::keyPressEvent(event); // ignored, so Esc and the arrows reach the window
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
