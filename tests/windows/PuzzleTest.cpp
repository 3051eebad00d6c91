// New puzzles, the check and its verdict, the reveal, About and Exit.

#include "GuiFixture.h"
#include "board/Check.h"

#include <QScreen>

namespace tessra {
namespace {

class PuzzleTest : public test::GuiTest {
  protected:
    Generate* OpenNew() {
        Trigger("New");
        return form->LoadedGenerate();
    }
    // Chooses a level in "New Puzzle" and presses "Generate".
    void GenerateLevel(int option) {
        Generate* dialog = OpenNew();
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->Option(option), Qt::LeftButton, {}, QPoint(6, 9));
        QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
        ProcessDeletes();
        EXPECT_EQ(form->LoadedGenerate(), nullptr) << "the dialog unloads after use";
    }
    // The label colours of the next flash steps.
    static std::vector<ColorValue> Flashes(Message* message) {
        std::vector<ColorValue> seen;
        for (int step = 0; step < 3; ++step) {
            message->Timer1_Timer();
            seen.push_back(message->LabelColor());
        }
        return seen;
    }
};

// Each level keeps its count of cells of a valid solution, which Reveal
// writes over the user's changes, keeping the colours.
TEST_F(PuzzleTest, EveryLevelKeepsItsCountOfASolutionRevealWrites) {
    Trigger("Reveal");
    EXPECT_EQ(FilledCells(), 0) << "nothing generated yet";
    form->SetCellForeColor(7, 0x0000FF);
    form->SetCellBackColor(12, 0x808080);
    for (const auto& [option, count] : {std::pair{2, 33}, {3, 30}, {4, 27}, {5, 24}, {6, 20}}) {
        const QString possible = form->PossibleBox()->text();
        GenerateLevel(option);
        EXPECT_EQ(FilledCells(), count) << option;
        EXPECT_EQ(form->PossibleBox()->text(), possible) << "no cell change is handled meanwhile";
        EXPECT_TRUE(CandidatesFollowTheBoard()) << "candidates of the kept cells alone";
        EXPECT_EQ(std::pair(Cell(7)->ForeColor(), Cell(8)->ForeColor()), std::pair(0x0000FFU, 0U))
            << "text colours come back";
        const BoardDigits board = form->CurrentBoard();
        const auto kept = std::ranges::find_if(board, [](auto d) { return d != 0; });
        TypeAtEnd(int(std::ranges::find(board, 0) - board.begin()), "1");
        Cell(int(kept - board.begin()))->setText(QString::number(*kept % 9 + 1));
        Trigger("Reveal");
        const BoardDigits solution = form->CurrentBoard();
        EXPECT_TRUE(CheckPuzzle(solution) && CandidatesFollowTheBoard()) << option;
        for (std::size_t i = 0; i < board.size(); ++i) {
            EXPECT_TRUE(board[i] == 0 || board[i] == solution[i]) << "kept cell " << i;
        }
    }
    EXPECT_EQ(Cell(12)->BackColor(), 0x808080U);
    // Not after "Clear Board" either, which keeps the solution.
    const auto solution = form->Solution();
    GenerateLevel(1); // selected on load
    EXPECT_EQ(FilledCells(), 0);
    EXPECT_EQ(form->Solution(), solution);
    EXPECT_EQ(FlagsOf(0) + "|" + FlagsOf(80), "123456789|123456789");
    Trigger("Reveal");
    EXPECT_EQ(FilledCells(), 0);
}

TEST_F(PuzzleTest, NewPuzzleStartsOnClearBoardAndCancelChangesNothing) {
    GenerateLevel(4);
    const SavedPuzzle before = form->CurrentSavedPuzzle();
    Generate* dialog = OpenNew();
    EXPECT_EQ(dialog->windowTitle(), "New Puzzle");
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(dialog->Option(1)->isChecked());
    QTest::mouseClick(dialog->Option(5), Qt::LeftButton, {}, QPoint(6, 9));
    EXPECT_EQ(OpenNew(), dialog) << "a second New reuses the open dialog";
    EXPECT_TRUE(dialog->Option(5)->isChecked());
    dialog->close(); // the close box
    ProcessDeletes();
    dialog = OpenNew();
    EXPECT_TRUE(dialog->Option(1)->isChecked()) << "each opening starts afresh";
    QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
    ProcessDeletes();
    EXPECT_EQ(form->LoadedGenerate(), nullptr);
    EXPECT_EQ(form->CurrentSavedPuzzle(), before);
}

TEST_F(PuzzleTest, VerdictFlashesBetweenBlackAndItsColourUntilOkay) {
    Trigger("Check"); // an empty board is wrong
    Message* message = form->LoadedMessage();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->Label1()->text() + " " + message->windowTitle(), "Wrong Solution! Error!");
    const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((message->pos() + message->rect().center() - centre).manhattanLength(), 2)
        << "centred";
    EXPECT_EQ(Flashes(message), (std::vector<ColorValue>{0xFF, 0, 0xFF}));
    EXPECT_EQ(message->Label1()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // A new verdict while the old colour shows: the next step is black,
    // then the new colour; the window is neither reloaded nor re-centred,
    // and the board the user went back to keeps the focus.
    message->move(10, 10);
    form->NewPuzzle(81);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Trigger("Check");
    EXPECT_EQ(form->LoadedMessage(), message);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), form.get());
    EXPECT_EQ(message->Label1()->text() + " " + message->windowTitle(),
              "Correct Solution! Congratulations!");
    EXPECT_EQ(message->pos(), QPoint(10, 10));
    EXPECT_EQ(Flashes(message), (std::vector<ColorValue>{0, 0xFFFF, 0}));
    message->Timer1()->setInterval(5); // the real timer, at a short test interval
    EXPECT_TRUE(QTest::qWaitFor([message] { return message->LabelColor() == 0xFFFFU; }, 2000));
    QTest::mouseClick(message->Command1(), Qt::LeftButton);
    ProcessDeletes();
    EXPECT_EQ(form->LoadedMessage(), nullptr);
}

TEST_F(PuzzleTest, AboutCaptionSlidesRightAndJumpsBack) {
    Trigger("About");
    AboutForm* about = form->LoadedAboutForm();
    ASSERT_NE(about, nullptr);
    const QString title = "Tessra v1.0" + QString(47, ' ');
    EXPECT_TRUE(about->Label1()->text().startsWith(title + "(c)")) << "47 blanks, then the notice";
    EXPECT_EQ(about->Image1()->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(about->windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {64, 64}}));
    // The icon is a board whose dark blocks alone carry a digit.
    const QImage icon = about->windowIcon().pixmap(64, 64).toImage();
    for (int k = 0; k < 9; ++k) {
        const QImage block = icon.copy(k % 3 * 64 / 3 + 4, k / 3 * 64 / 3 + 4, 13, 13);
        QImage plain = block;
        plain.fill(block.pixelColor(0, 0));
        EXPECT_EQ(block != plain, k % 2 == 0) << k;
        EXPECT_EQ(qGray(block.pixel(0, 0)) < 128, k % 2 == 0) << "dark " << k;
    }
    for (int tick = 1; tick <= 45; ++tick) {
        about->Timer1_Timer();
    }
    EXPECT_EQ(about->windowTitle(), QString(45, ' ') + "About");
    about->Timer1_Timer();
    about->Timer1_Timer();
    EXPECT_EQ(about->windowTitle(), " About");
    QTest::mouseClick(about->Command1(), Qt::LeftButton);
    ProcessDeletes();
    EXPECT_EQ(form->LoadedAboutForm(), nullptr);
}

TEST_F(PuzzleTest, ExitClosesEveryWindow) {
    for (const char* item : {"New", "Check", "About", "Extra", "Exit"}) {
        Trigger(item);
    }
    EXPECT_EQ(std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible), 0);
}

} // namespace
} // namespace tessra
