#include "GuiFixture.h"

#include <QPushButton>

namespace tessra {
namespace {

using test::GuiTest;

class ColorsTest : public GuiTest {
  protected:
    void ClickSwatch(int k) { QTest::mouseClick(form->ColorSelect(k), Qt::LeftButton); }
    QStringList CheckedEditItems() {
        QStringList checked;
        for (const char* name : {"Off", "ChangeFore", "ChangeBack", "PaintFore", "PaintBack"}) {
            if (form->MenuItem(name)->isChecked()) {
                checked << name;
            }
        }
        return checked;
    }
    // Every cell and every box in the possible-values window has the colour.
    void ExpectWholeBoard(ColorValue (CellEdit::*cellColor)() const,
                          ColorValue (ColorBox::*boxColor)() const, ColorValue color) {
        Form2* possible = form->PossibleForm();
        for (int i = 0; i < CellCount; ++i) {
            EXPECT_EQ((Cell(i)->*cellColor)(), color) << i;
            EXPECT_EQ((possible->PossibleGrid(i)->*boxColor)(), color) << i;
        }
    }
    void ExpectBackEverywhere(ColorValue color) {
        ExpectWholeBoard(&CellEdit::BackColor, &ColorBox::BackColor, color);
    }
    void ExpectForeEverywhere(ColorValue color) {
        ExpectWholeBoard(&CellEdit::ForeColor, &ColorBox::ForeColor, color);
    }
};

TEST_F(ColorsTest, ChangeForeBeforeAnySwatchColoursBlack) {
    form->SetCellForeColor(5, 0x0000FF);
    Trigger("ChangeFore");
    ClickCell(5);
    EXPECT_EQ(Cell(5)->ForeColor(), 0U);
    EXPECT_EQ(form->PossibleForm()->PossibleGrid(5)->ForeColor(), 0U);
    EXPECT_EQ(form->CoordinateBox()->text(), " 5, 0") << "the click also selects the cell";
}

TEST_F(ColorsTest, SwatchClickSelectsItsColourAndNothingElse) {
    ClickSwatch(6);
    EXPECT_EQ(form->SelectedColor, 0xFF00FFU);
    EXPECT_EQ(form->ColorSelectIndex, 6);
    EXPECT_EQ(form->EditAction, ColorEditAction::Off);
    EXPECT_EQ(form->LoadedPossibleForm(), nullptr) << "no cell changed colour";
    form->ColorSelect(11)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->ColorSelect(11), Qt::Key_Space);
    EXPECT_EQ(form->SelectedColor, 0x004040U) << "a swatch answers the keyboard too";
}

TEST_F(ColorsTest, ColorSelectRedefinesTheLastSwatchAndCancelChangesNothing) {
    dialog->colorAnswers = {0x123456U, std::nullopt};
    QTest::mouseClick(form->Command1(), Qt::LeftButton);
    EXPECT_EQ(form->ColorSelect(0)->BackColor(), 0x123456U) << "swatch 0 before any swatch click";
    EXPECT_EQ(form->SelectedColor, 0x123456U);

    ClickSwatch(9);
    QTest::mouseClick(form->Command1(), Qt::LeftButton); // cancelled
    EXPECT_EQ(form->ColorSelect(9)->BackColor(), 0x808080U);
    EXPECT_EQ(form->SelectedColor, 0x808080U);
    EXPECT_EQ(dialog->calls, (QStringList{"ShowColor", "ShowColor"}));
}

TEST_F(ColorsTest, PaintItemsRepaintTheBoardAndFollowTheNextSwatch) {
    ClickSwatch(2); // yellow
    Trigger("PaintBack");
    ExpectBackEverywhere(0x00FFFF);
    EXPECT_EQ(CheckedEditItems(), QStringList{"PaintBack"});

    ClickSwatch(5); // blue: nothing changes until the next cell click
    EXPECT_EQ(Cell(0)->BackColor(), 0x00FFFFU);
    ClickCell(44);
    ExpectBackEverywhere(0xFF0000);

    ClickSwatch(8); // white text
    Trigger("PaintFore");
    ExpectForeEverywhere(0xFFFFFF);
    ExpectBackEverywhere(0xFF0000);
    EXPECT_EQ(CheckedEditItems(), QStringList{"PaintFore"});
    Trigger("PaintFore"); // chosen again keeps its mark
    EXPECT_EQ(CheckedEditItems(), QStringList{"PaintFore"});

    Trigger("Off");
    EXPECT_EQ(CheckedEditItems(), QStringList{});
    EXPECT_EQ(form->EditAction, ColorEditAction::Off);
    ClickSwatch(0);
    ClickCell(3);
    ExpectForeEverywhere(0xFFFFFF);
    ExpectBackEverywhere(0xFF0000);
}

TEST_F(ColorsTest, ChangeItemsColourOnlyTheClickedCell) {
    ClickSwatch(3);
    Trigger("ChangeBack");
    EXPECT_EQ(CheckedEditItems(), QStringList{"ChangeBack"});
    ClickCell(10);
    EXPECT_EQ(Cell(10)->BackColor(), 0x00FF00U);
    EXPECT_EQ(Cell(11)->BackColor(), SystemWindowBackground);
    Trigger("ChangeFore");
    EXPECT_EQ(CheckedEditItems(), QStringList{"ChangeFore"});
    ClickCell(11);
    EXPECT_EQ(Cell(11)->ForeColor(), 0x00FF00U);
    EXPECT_EQ(Cell(11)->BackColor(), SystemWindowBackground);
    EXPECT_FALSE(form->LoadedPossibleForm()->isVisible())
        << "the hidden window got the colours too";
    EXPECT_EQ(form->LoadedPossibleForm()->PossibleGrid(10)->BackColor(), 0x00FF00U);
}

TEST(CommonDialogFilters, ShowAsNamedFilterPlusAllFiles) {
    EXPECT_EQ(NameFiltersFor("*.sav || *.*"),
              (QStringList{"Puzzle files (*.sav)", "All files (*)"}));
    EXPECT_EQ(NameFiltersFor("*.bmp || *.*"),
              (QStringList{"Bitmap images (*.bmp)", "All files (*)"}));
    EXPECT_EQ(NameFiltersFor("*.txt"), (QStringList{"*.txt (*.txt)"}));
}

} // namespace
} // namespace tessra
