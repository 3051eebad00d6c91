#pragma once

#include "board/Cell.h"
#include "board/FlagGrid.h"
#include "platform/ColorValue.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessra {

class CellEdit;
class ColorBox;
class Form2;

// The main window. It owns the whole state of the program - the board is
// the text of its 81 cells - and offers every board operation; the other
// windows only read and set its public variables and call its methods.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    // State the other windows read and set directly.
    std::int16_t CurrentIndex = 0;
    ColorValue SelectedColor = 0;
    std::int16_t ColorSelectIndex = 0;
    std::int16_t EditAction = 0;
    QString FileName;
    QString SnapShotFileName;
    bool GridChangeResponseFlag = false;
    bool RandomPuzzleGenerateFlag = false;

    // Board operations.
    void BoardScanSetFlags();
    void CopyFlags2PossibleGrid();
    BoardDigits CurrentBoard() const;
    const FlagGrid& Flags() const { return FlagArray; }
    const std::array<std::string, CellCount>& Solution() const { return SolutionArray; }

    // Cell colours, always the main cell first and then its box in the
    // possible-values window (which is created, hidden, if need be).
    void SetCellForeColor(int index, ColorValue color);
    void SetCellBackColor(int index, ColorValue color);

    // Event handlers, public so the other windows can raise them.
    void Grid_Click(int index);
    void Grid_Change(int index);
    void PossibleGrid_Click(int index);
    void Extra_Click();

    // Controls.
    CellEdit* Grid(int index) const { return grid_[static_cast<std::size_t>(index)]; }
    QLineEdit* CoordinateBox() const { return coordinateBox_; }
    QLineEdit* PossibleBox() const { return possibleBox_; }
    ColorBox* ColorSelect(int index) const { return colorSelect_[static_cast<std::size_t>(index)]; }
    QPushButton* Command1() const { return command1_; }

    // The possible-values window: created hidden on first use.
    Form2* PossibleForm();
    // The possible-values window if it is loaded, otherwise nullptr.
    Form2* LoadedPossibleForm() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildBoard(QWidget* client);
    void BuildSidePanel(QWidget* client);
    void BuildMenus();
    void BuildTabOrder();
    void Form_Load();

    // The central loop after every click and change: rescan, refresh the
    // possible-values window, show the cell's candidates.
    void RefreshCandidates(int index);
    void ApplyEditAction(int index);
    void MoveFocusFrom(int index, int key);

    FlagGrid FlagArray;
    std::array<std::string, CellCount> SolutionArray;

    std::array<CellEdit*, CellCount> grid_{};
    QLineEdit* coordinateBox_ = nullptr;
    QLineEdit* possibleBox_ = nullptr;
    std::array<ColorBox*, 16> colorSelect_{};
    QPushButton* command1_ = nullptr;
    QPointer<Form2> form2_;
};

} // namespace tessra
