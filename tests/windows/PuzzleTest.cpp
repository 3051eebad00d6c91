#include "GuiFixture.h"
#include "board/BoardScan.h"
#include "board/Check.h"
#include "windows/Generate.h"
#include "windows/Message.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace tessra {
namespace {

using test::GuiTest;

class PuzzleTest : public GuiTest {
  protected:
    // A radio button takes a click on its mark or its caption.
    static void ChooseOption(Generate* dialog, int option) {
        QRadioButton* button = dialog->Option(option);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    Generate* OpenNew() {
        Trigger("New");
        return form->LoadedGenerate();
    }
    // Chooses a level in the dialog and presses "Generate", as a user would.
    void GenerateLevel(int option) {
        Generate* dialog = OpenNew();
        ASSERT_NE(dialog, nullptr);
        ChooseOption(dialog, option);
        QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
        ProcessDeletes();
        EXPECT_EQ(form->LoadedGenerate(), nullptr) << "the dialog unloads after use";
    }
    BoardDigits SolutionDigits() const {
        BoardDigits digits{};
        for (int i = 0; i < CellCount; ++i) {
            const std::string& text = form->Solution()[static_cast<std::size_t>(i)];
            digits[static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(text.size() == 1 ? text[0] - '0' : 0);
        }
        return digits;
    }
    int FilledCells() const {
        int filled = 0;
        for (int i = 0; i < CellCount; ++i) {
            filled += Cell(i)->text().isEmpty() ? 0 : 1;
        }
        return filled;
    }
    std::vector<QString> Texts() const {
        std::vector<QString> texts;
        for (int i = 0; i < CellCount; ++i) {
            texts.push_back(Cell(i)->text());
        }
        return texts;
    }
};

TEST_F(PuzzleTest, EveryLevelKeepsItsCountAndRecordsAValidSolution) {
    form->SetCellForeColor(7, 0x0000FF);
    form->SetCellBackColor(8, 0x00FF00);
    const struct {
        int option;
        int kept;
    } levels[] = {{2, 33}, {3, 30}, {4, 27}, {5, 24}, {6, 20}};
    for (const auto& level : levels) {
        GenerateLevel(level.option);
        EXPECT_EQ(FilledCells(), level.kept) << level.option;
        const BoardDigits solution = SolutionDigits();
        EXPECT_TRUE(CheckPuzzle(solution)) << level.option;
        std::array<int, 9> top{};
        std::copy(solution.begin(), solution.begin() + 9, top.begin());
        std::sort(top.begin(), top.end());
        EXPECT_EQ(top, (std::array<int, 9>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        const BoardDigits board = form->CurrentBoard();
        for (int i = 0; i < CellCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            EXPECT_TRUE(board[at] == 0 || board[at] == solution[at]) << "kept cell " << i;
        }
        FlagGrid expected;
        BoardScanSetFlags(expected, board);
        EXPECT_EQ(form->Flags(), expected) << "candidates of the kept cells alone";
        for (int i = 0; i < CellCount; ++i) {
            EXPECT_EQ(form->LoadedPossibleForm()->PossibleGrid(i)->Text().toStdString(),
                      FlagsOf(i));
        }
        EXPECT_EQ(Cell(7)->ForeColor(), 0x0000FFU) << "text colours come back";
        EXPECT_EQ(Cell(0)->ForeColor(), 0U);
        EXPECT_EQ(Cell(8)->BackColor(), 0x00FF00U);
        EXPECT_TRUE(form->GridChangeResponseFlag);
        EXPECT_TRUE(form->RandomPuzzleGenerateFlag);
    }
}

TEST_F(PuzzleTest, NewPuzzleKeepingNoneOrAllCells) {
    form->NewPuzzle(0);
    EXPECT_EQ(FilledCells(), 0);
    EXPECT_TRUE(CheckPuzzle(SolutionDigits()));
    EXPECT_TRUE(form->RandomPuzzleGenerateFlag);
    form->NewPuzzle(81);
    EXPECT_EQ(FilledCells(), 81);
    EXPECT_EQ(form->CurrentBoard(), SolutionDigits());
}

TEST_F(PuzzleTest, DialogStartsOnClearBoardAndKeepsItsSelectionWhileOpen) {
    Generate* dialog = OpenNew();
    EXPECT_EQ(dialog->windowTitle(), "New Puzzle");
    EXPECT_TRUE(dialog->Option(1)->isChecked());
    EXPECT_EQ(dialog->PuzzleLevel, 1);
    ChooseOption(dialog, 5);
    EXPECT_EQ(dialog->PuzzleLevel, 5);
    EXPECT_EQ(OpenNew(), dialog) << "a second New reuses the open dialog";
    EXPECT_TRUE(dialog->Option(5)->isChecked());
    EXPECT_FALSE(dialog->Option(1)->isChecked());
    EXPECT_FALSE(dialog->isModal());
}

TEST_F(PuzzleTest, ReturnPressesTheFocusedButton) {
    Generate* dialog = OpenNew();
    ChooseOption(dialog, 2);
    dialog->Command1()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dialog->Command1(), Qt::Key_Return);
    ProcessDeletes();
    EXPECT_EQ(FilledCells(), 33);
    dialog = OpenNew();
    dialog->Command2()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dialog->Command2(), Qt::Key_Return);
    ProcessDeletes();
    EXPECT_EQ(form->LoadedGenerate(), nullptr);
    EXPECT_EQ(FilledCells(), 33) << "Cancel changed nothing";
}

TEST_F(PuzzleTest, ClearBoardEmptiesCellsButKeepsTheSolution) {
    GenerateLevel(2);
    const auto solution = form->Solution();
    Cell(0)->setText("");
    GenerateLevel(1); // "Clear Board", selected on load
    EXPECT_EQ(FilledCells(), 0);
    EXPECT_FALSE(form->RandomPuzzleGenerateFlag);
    EXPECT_EQ(form->Solution(), solution);
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(FlagsOf(i), "123456789");
    }
    Trigger("Reveal");
    EXPECT_EQ(FilledCells(), 0) << "no reveal after the board was cleared";
}

TEST_F(PuzzleTest, CancelAndCloseBoxChangeNothing) {
    GenerateLevel(4);
    const auto texts = Texts();
    const auto solution = form->Solution();
    Generate* dialog = OpenNew();
    ChooseOption(dialog, 1);
    QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
    ProcessDeletes();
    EXPECT_EQ(form->LoadedGenerate(), nullptr);
    dialog = OpenNew();
    EXPECT_TRUE(dialog->Option(1)->isChecked()) << "each opening starts afresh";
    dialog->close(); // the close box
    ProcessDeletes();
    EXPECT_EQ(form->LoadedGenerate(), nullptr);
    EXPECT_EQ(Texts(), texts);
    EXPECT_EQ(form->Solution(), solution);
    EXPECT_TRUE(form->RandomPuzzleGenerateFlag);
}

TEST_F(PuzzleTest, RevealWritesTheWholeSolutionOnlyForAGeneratedPuzzle) {
    Trigger("Reveal");
    EXPECT_EQ(FilledCells(), 0) << "nothing generated yet";

    GenerateLevel(6);
    form->SetCellBackColor(12, 0x808080);
    const BoardDigits board = form->CurrentBoard();
    const int open = static_cast<int>(std::find(board.begin(), board.end(), 0) - board.begin());
    const int kept = static_cast<int>(
        std::find_if(board.begin(), board.end(), [](auto d) { return d != 0; }) - board.begin());
    TypeAtEnd(open, "1");
    Cell(kept)->setText(QString::number(board[static_cast<std::size_t>(kept)] % 9 + 1));
    Trigger("Reveal");
    EXPECT_EQ(form->CurrentBoard(), SolutionDigits()) << "user changes are overwritten too";
    EXPECT_EQ(Cell(12)->BackColor(), 0x808080U);
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(FlagsOf(i).find_first_not_of('.'), FlagsOf(i).find_last_not_of('.'))
            << "each cell keeps only its own digit";
    }
    Trigger("Check");
    EXPECT_EQ(form->LoadedMessage()->Label1()->text(), "Correct Solution!");
}

TEST_F(PuzzleTest, CheckVerdicts) {
    const std::string solved = "123456789987321654654987321892714536716593842"
                               "435862917548279163371648295269135478";
    const auto fill = [this](const std::string& digits) {
        for (int i = 0; i < CellCount; ++i) {
            Cell(i)->setText(QString(QLatin1Char(digits[static_cast<std::size_t>(i)])));
        }
    };
    const auto verdict = [this] {
        Trigger("Check");
        Message* message = form->LoadedMessage();
        return std::make_tuple(message->Label1()->text(), message->windowTitle(),
                               message->FlashColor);
    };
    EXPECT_EQ(verdict(), std::make_tuple(QString("Wrong Solution!"), QString("Error!"), 0xFFU));
    fill(solved);
    EXPECT_EQ(verdict(),
              std::make_tuple(QString("Correct Solution!"), QString("Congratulations!"), 0xFFFFU));
    // Exchanging two cells of the top-left block keeps every block right
    // but repeats digits in rows 0 and 1.
    std::string wrongRows = solved;
    std::swap(wrongRows[0], wrongRows[10]);
    fill(wrongRows);
    EXPECT_EQ(std::get<0>(verdict()), "Wrong Solution!");
    std::string relabelled = solved;
    for (char& c : relabelled) {
        c = static_cast<char>('1' + (c - '1' + 4) % 9);
    }
    fill(relabelled);
    EXPECT_EQ(std::get<0>(verdict()), "Correct Solution!") << "another valid solution is right";
}

} // namespace
} // namespace tessra
