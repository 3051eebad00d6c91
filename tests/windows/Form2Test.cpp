#include "GuiFixture.h"

#include <QAction>
#include <QPointer>

namespace tessra {
namespace {

using test::GuiTest;

int OpenPossibleWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += qobject_cast<Form2*>(widget) != nullptr && widget->isVisible() ? 1 : 0;
    }
    return count;
}

class PossibleWindowTest : public GuiTest {
  protected:
    void Extra() { form->findChild<QAction*>("Extra")->trigger(); }
    ColorBox* Box(int index) { return form->LoadedPossibleForm()->PossibleGrid(index); }
    void ExpectBoxesShowFlags() {
        for (int i = 0; i < CellCount; ++i) {
            EXPECT_EQ(Box(i)->Text().toStdString(), FlagsOf(i)) << i;
        }
    }
};

TEST_F(PossibleWindowTest, FirstWriteLoadsItHiddenAndKeepsItCurrent) {
    TypeAtEnd(40, "5");
    Form2* possible = form->LoadedPossibleForm();
    ASSERT_NE(possible, nullptr);
    EXPECT_FALSE(possible->isVisible());
    ExpectBoxesShowFlags();
    EXPECT_EQ(Box(40)->Text(), "....5....");
    EXPECT_EQ(Box(41)->Text(), "1234.6789");
}

TEST_F(PossibleWindowTest, ExtraShowsCandidatesInTheCellColours) {
    form->SetCellBackColor(3, 0x00FFFF);
    form->SetCellForeColor(3, 0x0000FF);
    Extra();
    Extra(); // a second choice refreshes the one window
    EXPECT_EQ(OpenPossibleWindows(), 1);
    Form2* possible = form->LoadedPossibleForm();
    EXPECT_EQ(possible->windowTitle(), "Possible Values");
    ExpectBoxesShowFlags();
    EXPECT_EQ(Box(0)->Text(), "123456789");
    EXPECT_EQ(Box(3)->BackColor(), 0x00FFFFU);
    EXPECT_EQ(Box(3)->ForeColor(), 0x0000FFU);
    EXPECT_EQ(Box(4)->BackColor(), SystemWindowBackground);
    EXPECT_EQ(Box(4)->ForeColor(), 0U) << "copied from the cell, whose text colour is 0";
    // Boxes stand in a 9x9 board with gaps between the blocks.
    EXPECT_EQ(Box(0)->geometry(), QRect(8, 8, 41, 33));
    EXPECT_EQ(Box(3)->geometry().left(), 136);
    EXPECT_EQ(Box(27)->geometry().top(), 112);
}

TEST_F(PossibleWindowTest, ClosingLosesTextsAndColoursUntilExtraCopiesThemBack) {
    form->EditAction = ColorEditAction::ChangeBack;
    form->SelectedColor = 0x00FF00;
    ClickCell(20); // colours cell 20 and its box in the still hidden window
    ASSERT_NE(form->LoadedPossibleForm(), nullptr);
    EXPECT_FALSE(form->LoadedPossibleForm()->isVisible());
    EXPECT_EQ(Box(20)->BackColor(), 0x00FF00U);

    Extra();
    QTest::keyClicks(Box(1), "xy");
    EXPECT_EQ(Box(1)->Text(), "123456789xy") << "the user may type into a box";
    form->LoadedPossibleForm()->close();
    ProcessDeletes();
    EXPECT_EQ(form->LoadedPossibleForm(), nullptr);

    form->EditAction = ColorEditAction::Off;
    TypeAtEnd(0, "1"); // the next write loads it afresh, hidden
    ASSERT_NE(form->LoadedPossibleForm(), nullptr);
    EXPECT_FALSE(form->LoadedPossibleForm()->isVisible());
    EXPECT_EQ(Box(20)->BackColor(), SystemWindowBackground) << "colours were lost";
    EXPECT_EQ(Box(1)->Text(), ".23456789");

    Extra();
    EXPECT_EQ(Box(20)->BackColor(), 0x00FF00U);
    EXPECT_EQ(Cell(20)->BackColor(), 0x00FF00U);
}

TEST_F(PossibleWindowTest, ClickOnABoxSelectsTheCellAndAppliesTheEditAction) {
    Extra();
    ClickCell(2);
    const QString coordinates = form->CoordinateBox()->text();
    const QString possibleText = form->PossibleBox()->text();
    QTest::mouseClick(Box(60), Qt::LeftButton);
    EXPECT_EQ(form->CurrentIndex, 60);
    EXPECT_EQ(form->CoordinateBox()->text(), coordinates)
        << "with no action only the index changes";
    EXPECT_EQ(form->PossibleBox()->text(), possibleText);
    EXPECT_EQ(Box(60)->Text(), "123456789") << "the box's text is not touched";

    form->EditAction = ColorEditAction::ChangeFore;
    form->SelectedColor = 0x0000C0;
    QTest::mouseClick(Box(61), Qt::LeftButton);
    EXPECT_EQ(Cell(61)->ForeColor(), 0x0000C0U);
    EXPECT_EQ(Box(61)->ForeColor(), 0x0000C0U);
    EXPECT_EQ(Cell(62)->ForeColor(), 0U);

    form->EditAction = ColorEditAction::PaintBack;
    form->SelectedColor = 0xFFFF00;
    QTest::mouseClick(Box(5), Qt::LeftButton);
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(Cell(i)->BackColor(), 0xFFFF00U) << i;
        EXPECT_EQ(Box(i)->BackColor(), 0xFFFF00U) << i;
    }
}

} // namespace
} // namespace tessra
