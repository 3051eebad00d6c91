// The main window and "Possible Values": start and layout, what clicks
// and keys in the cells do, and the colour edit actions.

#include "GuiFixture.h"

#include <QColorDialog>

namespace tessra {
namespace {

using test::GuiTest;

// 15 twips to the pixel at 96 dpi; the blocks 8 pixels apart.
TEST_F(GuiTest, StartsEmptyInAFixedWindowLaidOutInTwips) {
    EXPECT_EQ(form->windowTitle(), "Tessra v1.0");
    EXPECT_EQ(form->CoordinateBox()->text() + "|" + form->PossibleBox()->text(), "0,0|123456789");
    EXPECT_EQ(form->LoadedPossibleForm(), nullptr) << "nothing else opens at start";
    EXPECT_EQ(form->EditAction, ColorEditAction::Off);
    EXPECT_EQ(form->CurrentSavedPuzzle().cells, SavedPuzzle().cells) << "empty, black on white";
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form->centralWidget()->size(), QSize(344, 268));
    EXPECT_EQ(Cell(0)->geometry(), QRect(8, 24, 25, 28));
    EXPECT_EQ(Cell(1)->pos(), QPoint(32, 24));
    EXPECT_EQ(Cell(80)->pos(), QPoint(216, 232));
    EXPECT_EQ(form->ColorSelect(15)->geometry(), QRect(312, 200, 17, 19));
    EXPECT_EQ(Box(0)->geometry(), QRect(8, 8, 41, 33));
    EXPECT_EQ(QPoint(Box(3)->x(), Box(27)->y()), QPoint(136, 112));
    Trigger("New");
    EXPECT_EQ(form->LoadedGenerate()->Option(1)->geometry(), QRect(48, 24, 137, 19));
    EXPECT_EQ(form->LoadedGenerate()->Option(6)->y(), 104);
    Trigger("Check");
    Trigger("About");
    QStringList fonts; // a cell, a side box, each dialog's button, the verdict
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             Cell(0), form->CoordinateBox(), form->LoadedGenerate()->Command1(),
             form->LoadedMessage()->Command1(), form->LoadedAboutForm()->Command1(),
             form->LoadedMessage()->Label1()}) {
        const QFont f = w->font();
        fonts << f.families().first() + QString(" %1").arg(f.pointSizeF()) + (f.bold() ? "b" : "");
    }
    EXPECT_EQ(fonts,
              QStringList({"Courier New 15b", "Courier New 12", "Times New Roman 12",
                           "Times New Roman 9.75b", "Times New Roman 12", "Times New Roman 18b"}));
}

// A click selects a cell and shows where it is and its candidates; Tab and
// the arrow keys only move the focus, and the arrows stop at the edge.
TEST_F(GuiTest, AClickSelectsACellAndKeysOnlyMoveTheFocus) {
    Cell(80)->setText("8");
    Cell(9)->setText("3");
    ClickCell(12);
    EXPECT_EQ(form->CoordinateBox()->text(), " 3, 1");
    ClickCell(80);
    EXPECT_EQ(form->CoordinateBox()->text() + "|" + form->PossibleBox()->text(), " 8, 8|.......8.");
    EXPECT_EQ(Cell(80)->text(), "8") << "a click never changes a cell's text";
    ClickCell(8);
    QTest::keyClick(Cell(8), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Cell(9));
    QTest::keyClicks(Cell(9), "5");
    EXPECT_EQ(Cell(9)->text(), "") << "typed behind the 3, not over it";
    const std::tuple<Qt::Key, int, int> moves[] = {
        {Qt::Key_Left, 1, 0}, {Qt::Key_Up, 9, 0}, {Qt::Key_Right, 7, 8}, {Qt::Key_Down, 71, 80},
        {Qt::Key_Left, 9, 9}, {Qt::Key_Up, 4, 4}, {Qt::Key_Right, 8, 8}, {Qt::Key_Down, 80, 80}};
    for (const auto& [key, from, to] : moves) {
        Cell(from)->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(Cell(from), key);
        EXPECT_EQ(QApplication::focusWidget(), Cell(to)) << from << " -> " << to;
    }
    EXPECT_EQ(form->CoordinateBox()->text(), " 8, 0");
}

// Each change keeps one digit or nothing and rebuilds the candidates.
TEST_F(GuiTest, EntryKeepsOneDigitOrNothing) {
    const std::pair<const char*, const char*> rows[] = {{"5", "5"}, {"\b", ""}, {"a", ""},
                                                        {"3", "3"}, {"q", "3"}, {"\b", ""}};
    for (const auto& [typed, after] : rows) {
        TypeAtEnd(30, typed);
        EXPECT_EQ(Cell(30)->text(), after) << typed;
        EXPECT_TRUE(CandidatesFollowTheBoard()) << typed;
        EXPECT_EQ(form->PossibleBox()->text(), FlagsOf(30));
    }
    // "35" is cut to "3" (which the nested run accepts), then the outer run,
    // still holding 35, clears the cell.
    TypeAtEnd(30, "35");
    EXPECT_EQ(Cell(30)->text() + "|" + form->PossibleBox()->text(), "|123456789");
    EXPECT_TRUE(CandidatesFollowTheBoard());
}

// It loads hidden on the first write, Extra shows it (once), and closed it
// loses what it showed until Extra copies the colours back.
TEST_F(GuiTest, PossibleValuesFollowsTheCellsAndExtraShowsIt) {
    TypeAtEnd(40, "5");
    ASSERT_NE(form->LoadedPossibleForm(), nullptr);
    EXPECT_FALSE(form->LoadedPossibleForm()->isVisible());
    EXPECT_TRUE(BoxesShowFlags());
    form->SetCellBackColor(3, 0x00FFFF);
    form->SetCellForeColor(3, 0x0000FF);
    Trigger("Extra");
    Trigger("Extra"); // a second choice refreshes the one window
    EXPECT_EQ(form->LoadedPossibleForm()->windowTitle(), "Possible Values");
    const auto shown = [](QWidget* w) { return qobject_cast<Form2*>(w) && w->isVisible(); };
    EXPECT_EQ(std::ranges::count_if(QApplication::topLevelWidgets(), shown), 1);
    EXPECT_EQ(std::vector({Box(3)->BackColor(), Box(3)->ForeColor(), Box(4)->ForeColor()}),
              std::vector<ColorValue>({0x00FFFF, 0x0000FF, 0}));
    QTest::keyClicks(Box(1), "xy");
    EXPECT_EQ(Box(1)->Text(), "123456789xy") << "the user may type into a box";
    form->LoadedPossibleForm()->close();
    ProcessDeletes();
    EXPECT_EQ(form->LoadedPossibleForm(), nullptr);
    TypeAtEnd(0, "1"); // the next write loads it afresh, hidden
    EXPECT_FALSE(form->LoadedPossibleForm()->isVisible());
    EXPECT_EQ(Box(3)->BackColor(), SystemWindowBackground) << "colours were lost";
    EXPECT_EQ(Box(1)->Text(), ".23456789");
    Trigger("Extra");
    EXPECT_EQ(Box(3)->BackColor(), 0x00FFFFU);
}

TEST_F(GuiTest, ClickOnACandidateBoxSelectsItsCellAndAppliesTheEditAction) {
    Trigger("Extra");
    ClickCell(2);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->LoadedPossibleForm()));
    const QImage unfocused = Box(60)->grab().toImage();
    QTest::mouseClick(Box(60), Qt::LeftButton);
    EXPECT_EQ(form->CurrentIndex, 60);
    EXPECT_EQ(form->CoordinateBox()->text() + "|" + Box(60)->Text(), " 2, 0|123456789")
        << "only the index changes";
    EXPECT_EQ(Box(60)->grab().toImage(), unfocused) << "the focus mark is the keyboard's";
    QTest::keyClick(Box(60), Qt::Key_Tab);
    QTest::keyClick(Box(61), Qt::Key_Backtab);
    EXPECT_NE(Box(60)->grab().toImage(), unfocused);
    Trigger("ChangeFore");
    form->SelectedColor = 0x0000C0;
    QTest::mouseClick(Box(60), Qt::LeftButton);
    QTest::mouseClick(Box(61), Qt::RightButton); // no selection, so no colour
    EXPECT_EQ(std::vector({Cell(60)->ForeColor(), Box(60)->ForeColor(), Cell(61)->ForeColor()}),
              std::vector<ColorValue>({0xC0, 0xC0, 0}));
}

// "Color Select" opens the real colour dialog at the colour in use (black
// before any swatch is chosen) and gives the chosen one to the selected
// swatch (swatch 0 before any click); cancelled, it changes nothing.
TEST_F(GuiTest, ColorSelectRedefinesTheSelectedSwatchThroughTheColourDialog) {
    form->SetCommonDialog(std::make_unique<QtCommonDialog>(form.get()));
    const struct {
        int swatch;
        bool accept;
        QColor opened;
        ColorValue after;
    } rows[] = {{0, true, Qt::black, 0x030201}, {9, false, QColor(128, 128, 128), 0x808080}};
    for (const auto& row : rows) {
        if (row.swatch != 0) {
            QTest::mouseClick(form->ColorSelect(row.swatch), Qt::LeftButton);
        }
        QColor opened;
        QTimer::singleShot(0, form.get(), [&] {
            auto* colours = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(colours, nullptr);
            opened = colours->currentColor();
            colours->setCurrentColor(QColor(1, 2, 3));
            row.accept ? colours->accept() : colours->reject();
        });
        QTest::mouseClick(form->Command1(), Qt::LeftButton);
        EXPECT_EQ(opened, row.opened);
        EXPECT_EQ(std::vector({form->ColorSelect(row.swatch)->BackColor(), form->SelectedColor}),
                  std::vector<ColorValue>(2, row.after));
    }
}

// The swatch clicked, the edit item chosen ("" for none), the cell clicked
// (-1 for none); then how many cells, with their boxes in the still hidden
// window, show the text and background colours. A box's text colour is not
// checked while the cell's is black: boxes start in the window text colour.
TEST_F(GuiTest, EditItemsColourOneCellOrTheWholeBoardInBothWindows) {
    const struct {
        int swatch;
        const char* item;
        int click;
        ColorValue fore, back;
        int count;
    } steps[] = {{3, "ChangeBack", 10, 0, 0x00FF00, 1}, // green
                 {3, "ChangeFore", 11, 0x00FF00, SystemWindowBackground, 1},
                 {2, "PaintBack", -1, 0, 0x00FFFF, 80}, // yellow at once
                 {5, "", -1, 0, 0x00FFFF, 80},          // blue, for the next click
                 {5, "", 44, 0, 0xFF0000, 80},
                 {8, "PaintFore", -1, 0xFFFFFF, 0xFF0000, 81}, // white
                 {8, "PaintFore", -1, 0xFFFFFF, 0xFF0000, 81}, // chosen again keeps its mark
                 {5, "Off", 3, 0xFFFFFF, 0xFF0000, 81}};
    for (const auto& step : steps) {
        QTest::mouseClick(form->ColorSelect(step.swatch), Qt::LeftButton);
        if (*step.item != 0) {
            Trigger(step.item);
            QString checked;
            for (const char* name : {"Off", "ChangeFore", "ChangeBack", "PaintFore", "PaintBack"}) {
                checked += form->MenuItem(name)->isChecked() ? name : "";
            }
            EXPECT_EQ(checked, step.item == std::string("Off") ? "" : step.item);
        }
        if (step.click >= 0) {
            ClickCell(step.click);
        }
        int n = 0;
        for (int i = 0; i < CellCount; ++i) {
            n += Cell(i)->ForeColor() == step.fore &&
                 (step.fore == 0 || Box(i)->ForeColor() == step.fore) &&
                 Cell(i)->BackColor() == step.back && Box(i)->BackColor() == step.back;
        }
        EXPECT_EQ(n, step.count) << step.item << " " << step.click;
    }
    // Drawn in the cell, and the text colour in every colour group.
    EXPECT_EQ(Cell(0)->grab().toImage().pixelColor(4, 4), QColor(0, 0, 255));
    EXPECT_EQ(Cell(0)->palette().color(QPalette::Inactive, QPalette::Text), QColor(Qt::white));
}

} // namespace
} // namespace tessra
