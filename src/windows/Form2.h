#pragma once

#include "board/Cell.h"

#include <QWidget>
#include <array>

namespace tessra {

class ColorBox;
class Form1;

// The possible-values window: the candidate string of every cell, laid out
// as a board of small boxes. It keeps no state: the main window writes its
// texts and colours, and closing it discards them.
class Form2 : public QWidget {
    Q_OBJECT
  public:
    explicit Form2(Form1& owner);

    ColorBox* PossibleGrid(int index) const { return boxes_[static_cast<std::size_t>(index)]; }

  private:
    std::array<ColorBox*, CellCount> boxes_{};
};

} // namespace tessra
