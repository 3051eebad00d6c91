#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

class QPushButton;
class QRadioButton;

namespace tessra {

class Form1;

// The "New Puzzle" dialog: pick a level, then "Generate". It is discarded
// after every use, so each opening starts with "Clear Board" selected.
class Generate : public QDialog {
    Q_OBJECT
  public:
    explicit Generate(Form1& owner);

    std::int16_t PuzzleLevel = 0;

    QRadioButton* Option(int number) const {
        return options_[static_cast<std::size_t>(number - 1)];
    }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

    void Command1_Click();
    void Command2_Click();

    // Cells kept by each level 2..6 ("Very Easy" .. "Very Hard").
    static int CellsToKeep(int level);

  private:
    void Form_Load();

    Form1& owner_;
    std::array<QRadioButton*, 6> options_{};
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
};

} // namespace tessra
