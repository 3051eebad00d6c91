#pragma once

#include "board/Cell.h"
#include "board/ColorValue.h"
#include "windows/FlatLineEdit.h"

namespace tessra {

// The cell an arrow key (Qt::Key_Left etc.) leads to from cell index, or -1
// at the edge of the board or for any other key. The possible-values window
// follows the same board.
int ArrowNeighbour(int index, int key);

// What a screen reader calls cell index, and its box in the possible-values
// window: "row 1, column 1".
QString CellName(int index);

// One cell of the main board: a single-line text box that reports clicks,
// hands arrow keys to the board, and keeps its colours as colour values.
// Return presses the cell as a click does, so the keyboard alone can select
// and colour a cell.
class CellEdit : public FlatLineEdit {
    Q_OBJECT
  public:
    CellEdit(int index, QWidget* parent);

    ColorValue ForeColor() const { return fore_; }
    ColorValue BackColor() const { return back_; }
    void SetForeColor(ColorValue color);
    void SetBackColor(ColorValue color);

  signals:
    // A click, or Return on the focused cell.
    void Clicked(int index);
    // An arrow key was pressed in the cell; key is Qt::Key_Left etc.
    void ArrowPressed(int index, int key);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    int index_;
    ColorValue fore_ = 0;
    ColorValue back_ = SystemWindowBackground;
};

} // namespace tessra
