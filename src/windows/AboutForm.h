#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

namespace tessra {

// Title, version, notice and icon, with the caption "About" sliding to the
// right while the window is open.
class AboutForm : public QDialog {
    Q_OBJECT
  public:
    explicit AboutForm(QWidget* owner);

    QLabel* Label1() const { return label1_; }          // title, version, notice
    QLabel* Image1() const { return image1_; }          // the program's icon
    QPushButton* Command1() const { return command1_; } // "Okay"
    QTimer* Timer1() const { return timer1_; }          // the caption's scroll

    // One scroll step; the timer calls it every 250 ms.
    void Timer1_Timer();

  private:
    QLabel* label1_ = nullptr;
    QLabel* image1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QTimer* timer1_ = nullptr;
};

} // namespace tessra
