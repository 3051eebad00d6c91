#pragma once

#include "board/IndexedArray.h"

#include <QDialog>
#include <array>
#include <cstdint>

class QPushButton;
class QRadioButton;

namespace tessra {

// The "New Puzzle" dialog: pick a level, then "Generate". It holds no board
// state: it says what was chosen, and the main window acts on it. It is
// discarded after every use, so each opening starts with "Clear Board"
// selected.
class Generate : public QDialog {
    Q_OBJECT
  public:
    // The levels, option n (1..6) being Levels[n - 1]. "Clear Board" empties
    // the board; the others generate a puzzle that keeps cellsKept digits.
    struct Level {
        const char* caption;
        int cellsKept;
    };
    static constexpr int ClearBoardLevel = 1;
    static constexpr int LevelCount = 6;
    static constexpr IndexedArray<Level, LevelCount> Levels = {{{
        {"Clear Board", 0},
        {"Very Easy", 33},
        {"Easy", 30},
        {"Medium", 27},
        {"Hard", 24},
        {"Very Hard", 20},
    }}};

    explicit Generate(QWidget* owner);

    std::int16_t PuzzleLevel = 0;

    QRadioButton* Option(int number) const { return options_[number - 1]; }
    QPushButton* Command1() const { return command1_; } // "Generate"
    QPushButton* Command2() const { return command2_; } // "Cancel"

    void Command1_Click(); // acts on the chosen level, then unloads
    void Command2_Click(); // unloads, touching nothing

  signals:
    // "Generate" with "Clear Board" selected.
    void ClearBoardChosen();
    // "Generate" with one of the five puzzle levels selected.
    void NewPuzzleChosen(int cells2Keep);

  private:
    void Form_Load();

    IndexedArray<QRadioButton*, LevelCount> options_{};
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
};

} // namespace tessra
