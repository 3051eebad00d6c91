#pragma once

#include "board/ColorValue.h"

#include <QLineEdit>

namespace tessra {

// A text box in the flat look of the main window: no bevel, a single-line
// border in black, black text on white unless told otherwise, and a mark
// while it has the focus.
class FlatLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit FlatLineEdit(QWidget* parent);

  protected:
    // Text and background, for every state of the window.
    void SetColors(ColorValue fore, ColorValue back);
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tessra
