#pragma once

#include "board/Cell.h"

#include <QWidget>
#include <array>

namespace tessra {

class ColorBox;

// The possible-values window: the candidate string of every cell, laid out
// as a board of small boxes. It keeps no state: the main window writes its
// texts and colours, and closing it discards them.
class Form2 : public QWidget {
    Q_OBJECT
  public:
    Form2();

    ColorBox* PossibleGrid(int index) const { return boxes_[index]; }

  signals:
    // A box was clicked, or pressed with Space or Return.
    void BoxClicked(int index);
    // The user left the window with Esc; it has closed.
    void Dismissed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    CellArray<ColorBox*> boxes_{};
};

} // namespace tessra
