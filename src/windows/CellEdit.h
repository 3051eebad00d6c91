#pragma once

#include "board/Cell.h"
#include "platform/ColorValue.h"
#include "windows/FlatLineEdit.h"

namespace tessra {

// One cell of the main board: a single-line text box that reports clicks,
// hands arrow keys to the board, and keeps its colours as colour values.
class CellEdit : public FlatLineEdit {
    Q_OBJECT
  public:
    CellEdit(int index, QWidget* parent);

    int Index() const { return index_; }
    ColorValue ForeColor() const { return fore_; }
    ColorValue BackColor() const { return back_; }
    void SetForeColor(ColorValue color);
    void SetBackColor(ColorValue color);

  signals:
    void Clicked(int index);
    // An arrow key was pressed in the cell; key is Qt::Key_Left etc.
    void ArrowPressed(int index, int key);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void ApplyColors();

    int index_;
    ColorValue fore_ = 0;
    ColorValue back_ = SystemWindowBackground;
};

} // namespace tessra
