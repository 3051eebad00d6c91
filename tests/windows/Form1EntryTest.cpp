#include "GuiFixture.h"
#include "board/Cell.h"
#include "support/TestBoards.h"

#include <QAction>
#include <QClipboard>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <functional>

namespace tessra {
namespace {

using test::GuiTest;

using test::SharesUnit;

TEST_F(GuiTest, StartsWithAnEmptyBoardAndItsDesignTexts) {
    EXPECT_EQ(form->windowTitle(), "Tessra v1.0");
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(Cell(i)->text(), "") << i;
        EXPECT_EQ(FlagsOf(i), "123456789") << i;
        EXPECT_EQ(Cell(i)->ForeColor(), 0U);
        EXPECT_EQ(Cell(i)->BackColor(), SystemWindowBackground);
    }
    EXPECT_EQ(form->CoordinateBox()->text(), "0,0");
    EXPECT_EQ(form->PossibleBox()->text(), "123456789");
    EXPECT_EQ(form->LoadedPossibleForm(), nullptr) << "nothing else opens at start";
    EXPECT_TRUE(form->GridChangeResponseFlag);
    EXPECT_FALSE(form->RandomPuzzleGenerateFlag);
    EXPECT_EQ(form->FileName, "");
    EXPECT_EQ(form->SnapShotFileName, "default.bmp");
    EXPECT_EQ(form->EditAction, ColorEditAction::Off);
}

TEST_F(GuiTest, WindowIsFixedAndLaidOutInTwips) {
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form->centralWidget()->size(), QSize(344, 268));
    // 15 twips to the pixel at 96 dpi; blocks separated by 8 more pixels.
    EXPECT_EQ(Cell(0)->geometry(), QRect(8, 24, 25, 28));
    EXPECT_EQ(Cell(1)->geometry().topLeft(), QPoint(32, 24));
    EXPECT_EQ(Cell(8)->geometry().topLeft(), QPoint(216, 24));
    EXPECT_EQ(Cell(72)->geometry().topLeft(), QPoint(8, 232));
    EXPECT_EQ(Cell(80)->geometry().topLeft(), QPoint(216, 232));
    EXPECT_EQ(form->ColorSelect(15)->geometry(), QRect(3960 / 15 + 48, 2280 / 15 + 48, 17, 19));
    EXPECT_EQ(form->Command1()->text(), "Color Select");
}

TEST_F(GuiTest, MenuTreeInItsOrder) {
    QStringList seen;
    for (QAction* top : form->menuBar()->actions()) {
        seen << top->text();
        if (QMenu* menu = top->menu()) {
            for (QAction* item : menu->actions()) {
                seen << "  " + item->text();
            }
        }
    }
    EXPECT_EQ(seen, (QStringList{"&File", "  &New", "  &Save", "  Sa&ve As", "  S&napShot",
                                 "  &Load", "  E&xit", "&Edit", "  &Off", "  Change &ForeColor",
                                 "  Change &BackColor", "  Paint Fo&reColor", "  Paint Ba&ckColor",
                                 "&Extra", "Specia&l", "  C&heck", "  Re&veal", "A&bout"}));
}

TEST_F(GuiTest, ClickShowsColumnRowAndCandidates) {
    ClickCell(0);
    EXPECT_EQ(form->CoordinateBox()->text(), " 0, 0");
    EXPECT_EQ(form->PossibleBox()->text(), "123456789");
    ClickCell(12);
    EXPECT_EQ(form->CoordinateBox()->text(), " 3, 1");
    EXPECT_EQ(form->CurrentIndex, 12);
    Cell(80)->setText("8");
    ClickCell(80);
    EXPECT_EQ(form->CoordinateBox()->text(), " 8, 8");
    EXPECT_EQ(form->PossibleBox()->text(), ".......8.");
    EXPECT_EQ(Cell(80)->text(), "8") << "a click never changes a cell's text";
}

TEST_F(GuiTest, TypingADigitRemovesItFromRowColumnAndBlock) {
    TypeAtEnd(0, "4");
    EXPECT_EQ(Cell(0)->text(), "4");
    EXPECT_EQ(form->PossibleBox()->text(), "...4.....");
    for (int i = 1; i < CellCount; ++i) {
        EXPECT_EQ(form->Flags()[static_cast<std::size_t>(i)].Has(4), !SharesUnit(i, 0)) << i;
    }
}

// The candidate string of a cell holding text (one digit, or nothing).
std::string OnlyDigitOrAll(const char* text) {
    if (*text == '\0') {
        return "123456789";
    }
    std::string flags(9, '.');
    flags[static_cast<std::size_t>(text[0] - '1')] = text[0];
    return flags;
}

struct EntryRow {
    const char* what;
    const char* before;
    std::function<void(QLineEdit*)> action;
    const char* after;
};

void TypeKeys(QLineEdit* cell, const char* keys) {
    QTest::keyClicks(cell, keys);
}
void Paste(QLineEdit* cell, const char* text) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
}

TEST_F(GuiTest, EntryRulesKeepOneDigitOrNothing) {
    const EntryRow rows[] = {
        {"digit into empty", "", [](QLineEdit* c) { TypeKeys(c, "5"); }, "5"},
        {"zero", "", [](QLineEdit* c) { TypeKeys(c, "0"); }, ""},
        {"letter", "", [](QLineEdit* c) { TypeKeys(c, "a"); }, ""},
        {"blank", "", [](QLineEdit* c) { TypeKeys(c, " "); }, ""},
        {"sign", "", [](QLineEdit* c) { TypeKeys(c, "-"); }, ""},
        {"over a selected digit", "3",
         [](QLineEdit* c) {
             c->selectAll();
             TypeKeys(c, "5");
         },
         "5"},
        {"behind the digit", "3",
         [](QLineEdit* c) {
             QTest::keyClick(c, Qt::Key_End);
             TypeKeys(c, "5");
         },
         ""},
        {"in front of the digit", "3",
         [](QLineEdit* c) {
             QTest::keyClick(c, Qt::Key_Home);
             TypeKeys(c, "5");
         },
         ""},
        {"letter behind the digit", "3",
         [](QLineEdit* c) {
             QTest::keyClick(c, Qt::Key_End);
             TypeKeys(c, "q");
         },
         "3"},
        {"delete the digit", "3",
         [](QLineEdit* c) {
             QTest::keyClick(c, Qt::Key_End);
             QTest::keyClick(c, Qt::Key_Backspace);
         },
         ""},
        {"paste digit and more", "", [](QLineEdit* c) { Paste(c, "7x"); }, "7"},
        {"paste a long number", "", [](QLineEdit* c) { Paste(c, "123"); }, ""},
        {"paste a fraction that rounds to a digit", "", [](QLineEdit* c) { Paste(c, "4.6"); }, "4"},
        {"paste a blank first", "", [](QLineEdit* c) { Paste(c, " 4"); }, ""},
        {"paste text", "", [](QLineEdit* c) { Paste(c, "hello"); }, ""},
    };
    for (const EntryRow& row : rows) {
        Cell(30)->setText(row.before);
        ClickCell(30);
        row.action(Cell(30));
        EXPECT_EQ(Cell(30)->text(), row.after) << row.what;
        EXPECT_EQ(form->PossibleBox()->text().toStdString(), FlagsOf(30)) << row.what;
        EXPECT_EQ(FlagsOf(30), OnlyDigitOrAll(row.after)) << row.what;
    }
}

TEST_F(GuiTest, NestedChangesRunWithTheOuterStaleValue) {
    Cell(10)->setText("3");
    QStringList texts;
    QObject::connect(Cell(10), &QLineEdit::textChanged, [&texts](const QString& t) { texts << t; });
    TypeAtEnd(10, "5");
    // "35" is cut to "3" (which the inner run accepts), then the outer run,
    // still holding 35, clears the cell. This recorder is connected after
    // the board's own handler, so it hears both nested changes before the
    // outer one, whose text is still the stale "35".
    EXPECT_EQ(texts, (QStringList{"3", "", "35"}));
    EXPECT_EQ(Cell(10)->text(), "");
    EXPECT_EQ(form->PossibleBox()->text(), "123456789");
    EXPECT_TRUE(form->Flags()[11].Has(3)) << "the row regains the 3";
}

TEST_F(GuiTest, ChangesAreIgnoredWhileTheResponseFlagIsOff) {
    ClickCell(5);
    form->GridChangeResponseFlag = false;
    Cell(5)->setText("35");
    Cell(6)->setText("7");
    EXPECT_EQ(Cell(5)->text(), "35") << "no validation";
    EXPECT_EQ(FlagsOf(6), "123456789") << "no rescan";
    EXPECT_EQ(form->PossibleBox()->text(), "123456789");
    form->GridChangeResponseFlag = true;
    int changes = 0;
    QObject::connect(Cell(7), &QLineEdit::textChanged, [&changes] { ++changes; });
    Cell(7)->setText("");
    EXPECT_EQ(changes, 0) << "clearing an empty cell raises no change";
}

TEST_F(GuiTest, TabMovesFocusByIndexWithoutSelecting) {
    Cell(9)->setText("3");
    ClickCell(8);
    const QString coordinates = form->CoordinateBox()->text();
    QTest::keyClick(Cell(8), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Cell(9));
    EXPECT_EQ(form->CurrentIndex, 8);
    EXPECT_EQ(form->CoordinateBox()->text(), coordinates);
    EXPECT_FALSE(Cell(9)->hasSelectedText());
    QTest::keyClicks(Cell(9), "5");
    EXPECT_EQ(Cell(9)->text(), "") << "typed behind the 3, not over it";
}

TEST_F(GuiTest, ArrowKeysMoveToTheNeighbourAndStopAtTheEdge) {
    ClickCell(40);
    const struct {
        Qt::Key key;
        int from;
        int to;
    } moves[] = {{Qt::Key_Right, 40, 41}, {Qt::Key_Down, 41, 50}, {Qt::Key_Left, 50, 49},
                 {Qt::Key_Up, 49, 40},    {Qt::Key_Up, 4, 4},     {Qt::Key_Right, 8, 8},
                 {Qt::Key_Left, 9, 9},    {Qt::Key_Down, 80, 80}};
    for (const auto& move : moves) {
        Cell(move.from)->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(Cell(move.from), move.key);
        EXPECT_EQ(QApplication::focusWidget(), Cell(move.to)) << move.from << " -> " << move.to;
    }
    EXPECT_EQ(form->CurrentIndex, 40) << "moving the focus selects nothing";
}

TEST_F(GuiTest, CellColoursAreShown) {
    form->SetCellBackColor(0, 0x0000FF);
    form->SetCellForeColor(0, 0xFF0000);
    EXPECT_EQ(Cell(0)->BackColor(), 0x0000FFU);
    const QImage image = Cell(0)->grab().toImage();
    EXPECT_EQ(image.pixelColor(4, 4), QColor(255, 0, 0));
    EXPECT_EQ(Cell(0)->palette().color(QPalette::Inactive, QPalette::Text), QColor(0, 0, 255));
}

} // namespace
} // namespace tessra
