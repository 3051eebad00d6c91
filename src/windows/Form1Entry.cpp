// Cell selection and entry, the central candidate loop and the
// possible-values window.

#include "board/BoardScan.h"
#include "board/CellValue.h"
#include "windows/CellEdit.h"
#include "windows/ColorBox.h"
#include "windows/Form1.h"
#include "windows/Form2.h"
#include "windows/Placement.h"

#include <QLineEdit>

namespace tessra {

namespace {

// The digit a cell text places; the common texts ("" and one digit) are
// read without converting the string.
int CellDigitOf(const QString& text) {
    if (text.isEmpty()) {
        return 0;
    }
    if (text.size() == 1) {
        const int value = text.at(0).unicode() - u'0';
        return IsPlacedDigit(value) ? value : 0;
    }
    return CellDigit(text.toStdString());
}

} // namespace

BoardDigits Form1::CurrentBoard() const {
    BoardDigits board{};
    for (int i = 0; i < CellCount; ++i) {
        board[i] = static_cast<std::uint8_t>(CellDigitOf(Grid(i)->text()));
    }
    return board;
}

void Form1::BoardScanSetFlags() {
    tessra::BoardScanSetFlags(FlagArray, CurrentBoard());
}

void Form1::CopyFlags2PossibleGrid() {
    Form2* form = PossibleForm();
    for (int i = 0; i < CellCount; ++i) {
        const CandidateString flags = FlagArray[i];
        IndexedArray<char, CandidateString::Length> text{};
        for (int d = 1; d <= CandidateString::Length; ++d) {
            text[d - 1] = flags.At(d);
        }
        form->PossibleGrid(i)->SetText(QLatin1StringView(text.data(), text.size()));
    }
}

void Form1::RefreshCandidates(int index) {
    BoardScanSetFlags();
    CopyFlags2PossibleGrid();
    possibleBox_->setText(QString::fromStdString(FlagArray[index].ToString()));
}

void Form1::Grid_Click(int index) {
    CurrentIndex = static_cast<std::int16_t>(index);
    // Column first, then row, each after one blank: " 3, 1".
    coordinateBox_->setText(QStringLiteral(" %1, %2").arg(ColumnOf(index)).arg(RowOf(index)));
    ApplyEditAction(index);
    RefreshCandidates(index);
}

void Form1::Grid_Change(int index) {
    if (!GridChangeResponseFlag) {
        return;
    }
    CellEdit* cell = Grid(index);
    // Read once: the nested change runs raised by the edits below see the
    // new text, while this run goes on with the value it started with.
    const QString text = cell->text();
    const int v = CellDigitOf(text);
    if (text.size() > 1) {
        cell->setText(text.left(1));
    }
    if (v == 0) {
        cell->setText(QString());
    }
    RefreshCandidates(index);
}

void Form1::PossibleGrid_Click(int index) {
    CurrentIndex = static_cast<std::int16_t>(index);
    ApplyEditAction(index);
}

void Form1::Extra_Click() {
    ShowInFront(PossibleForm());
    CopyFlags2PossibleGrid();
    // A window closed and loaded again has lost its colours: copy them back
    // from the board.
    for (int i = 0; i < CellCount; ++i) {
        SetCellBackColor(i, Grid(i)->BackColor());
        SetCellForeColor(i, Grid(i)->ForeColor());
    }
}

void Form1::Form2_Dismissed() {
    // Back to the selected cell: the one a box last picked in "Possible
    // Values", or else the one last clicked here, so choosing a box with
    // Return and leaving with Esc lands on its cell, ready for a digit.
    raise();
    activateWindow();
    Grid(CurrentIndex)->setFocus(Qt::OtherFocusReason);
}

void Form1::MoveFocusFrom(int index, int key) {
    const int next = ArrowNeighbour(index, key);
    if (next >= 0) {
        // Not a tab or click: the cell gets the focus and nothing else.
        Grid(next)->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace tessra
