#pragma once

#include "board/ColorValue.h"

#include <QString>
#include <QWidget>

namespace tessra {

// A small flat box with a border, a background and a text colour. Used for
// the palette swatches and for the candidate boxes of the possible-values
// window, which are written 81 at a time on every keystroke: setting a text
// costs a comparison and, when it differs, one repaint request.
//
// Space and Return press a box of either kind as a click does; Esc and the
// arrow keys are left to the window. A screen reader sees a swatch as a radio
// button named by its colour, and a candidate box as read-only text (see
// ColorBoxAccessible).
class ColorBox : public QWidget {
    Q_OBJECT
  public:
    enum class Kind {
        Swatch,     // no text
        Candidates, // wrapping text the user may type into; nothing reads it
    };

    ColorBox(int index, Kind kind, QWidget* parent);

    int Index() const { return index_; }
    Kind BoxKind() const { return kind_; }
    const QString& Text() const { return text_; }
    void SetText(QLatin1StringView text);
    void SetText(const QString& text);

    ColorValue ForeColor() const { return fore_; }
    ColorValue BackColor() const { return back_; }
    void SetForeColor(ColorValue color);
    void SetBackColor(ColorValue color);

    // The swatch whose colour is selected. Not drawn: only a screen reader
    // is told, as the checked state of a radio button.
    bool IsChecked() const { return checked_; }
    void SetChecked(bool checked);

    // What a click, Space or Return does; also the press action of a
    // screen reader.
    void Press() { emit Clicked(index_); }

  signals:
    void Clicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void TextChanged(const QString& oldText);

    int index_;
    Kind kind_;
    QString text_;
    ColorValue fore_ = SystemWindowText;
    ColorValue back_ = SystemWindowBackground;
    // The focus frame shows only when the keyboard brought the focus here,
    // so a box that merely received it with its window is not marked.
    bool keyboardFocus_ = false;
    bool checked_ = false;
};

} // namespace tessra
