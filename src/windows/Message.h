#pragma once

#include "board/ColorValue.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

namespace tessra {

// The verdict of a check, flashing between black and FlashColor every
// 250 ms until "Okay" closes the window.
class Message : public QDialog {
    Q_OBJECT
  public:
    explicit Message(QWidget* owner);

    // The label's colours: black between flashes, yellow for a correct
    // board and red for a wrong one.
    static constexpr ColorValue Black = 0x000000;
    static constexpr ColorValue CorrectFlashColor = 0x00FFFF;
    static constexpr ColorValue WrongFlashColor = 0x0000FF;

    ColorValue FlashColor = CorrectFlashColor;

    // Shows a check's verdict: the label's text, the window's caption and
    // the flash colour.
    void ShowVerdict(bool correct);

    QLabel* Label1() const { return label1_; }          // the verdict
    QPushButton* Command1() const { return command1_; } // "Okay"
    QTimer* Timer1() const { return timer1_; }          // the flash, every 250 ms
    ColorValue LabelColor() const { return labelColor_; }

    // One flash step; the timer calls it every 250 ms.
    void Timer1_Timer();

  private:
    void Form_Load();
    void SetLabelColor(ColorValue color);

    QLabel* label1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QTimer* timer1_ = nullptr;
    ColorValue labelColor_ = 0;
};

} // namespace tessra
