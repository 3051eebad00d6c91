// The keyboard alone and a screen reader.

#include "GuiFixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

namespace tessra {
namespace {

class AccessTest : public test::GuiTest {
  protected:
    static QWidget* Focused() { return QApplication::focusWidget(); }
    // A key pressed `times` times where the focus is, as the keyboard sends it.
    static void Press(Qt::Key key, int times = 1) {
        for (int k = 0; k < times; ++k) {
            ASSERT_NE(Focused(), nullptr);
            QTest::keyClick(Focused(), key);
        }
    }
};

// The arrow keys in the cells, typing and the verdict have tests of their own.
TEST_F(AccessTest, ANewPuzzleAndItsColoursByTheKeyboardAlone) {
    // "New Puzzle" at "Very Easy": Alt+F opens "&File" with "&New"
    // highlighted (its N would move on to "S&napShot"). The closing menu
    // passes the focus on.
    QTest::keyClick(form.get(), Qt::Key_F, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    ASSERT_TRUE(form->LoadedGenerate() && QTest::qWaitForWindowActive(form->LoadedGenerate()));
    QApplication::processEvents();
    ASSERT_EQ(Focused(), static_cast<QWidget*>(form->LoadedGenerate()->Command1()));
    Press(Qt::Key_Tab, 2); // over "Cancel" to "Clear Board"
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    ProcessDeletes();
    ASSERT_TRUE(form->LoadedGenerate() == nullptr && form->RandomPuzzleGenerateFlag);

    // Dark red for the background of the centre cell: swatch, menu, cell.
    // Offscreen no window manager gives the main window back its activation.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_EQ(Focused(), Cell(0));
    Press(Qt::Key_Tab, 80 + 2 + 8); // cells, side boxes, swatches 0..7
    ASSERT_EQ(Focused(), form->ColorSelect(7));
    Press(Qt::Key_Space);
    Trigger("ChangeBack");
    Press(Qt::Key_Tab, 4 + 1); // "Color Select" comes before the last row of swatches
    ASSERT_EQ(Focused(), form->Command1());
    Press(Qt::Key_Tab, 4 + 1); // on round to the first cell
    ASSERT_EQ(Focused(), Cell(0));
    Press(Qt::Key_Right, 4);
    Press(Qt::Key_Down, 4);
    QTest::keyClick(Focused(), Qt::Key_Enter, Qt::KeypadModifier); // selects as a click does
    EXPECT_TRUE(Cell(40)->BackColor() == 0x0000C0U && form->CoordinateBox()->text() == " 4, 4");

    // The bottom-right cell, picked in "Possible Values"; Esc comes back to it.
    Trigger("Extra");
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->LoadedPossibleForm()));
    ASSERT_EQ(Focused(), Box(0));
    Press(Qt::Key_Down, 8);
    Press(Qt::Key_Right, 8);
    Press(Qt::Key_Return);
    EXPECT_EQ(form->CoordinateBox()->text(), " 4, 4") << "a box does not show where it is";
    Press(Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_EQ(Focused(), Cell(80));
    EXPECT_EQ(Cell(80)->BackColor(), 0x0000C0U);
}

TEST_F(AccessTest, ScreenReadersNameEveryControlAndCanPickAColour) {
    TypeAtEnd(40, "5");
    Trigger("Extra");
    Trigger("About");
    AboutForm* about = form->LoadedAboutForm();
    about->Timer1_Timer(); // the caption now starts with a blank, which is not read out
    const auto view = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); };
    const QString press = QAccessibleActionInterface::pressAction();
    // The role, then the name, the value and the states a reader announces.
    const std::tuple<QWidget*, QAccessible::Role, const char*> rows[] = {
        {form->ColorSelect(0), QAccessible::RadioButton, "red, #FF0000||checked||press"},
        {form->ColorSelect(15), QAccessible::RadioButton, "dark purple, #400040||||press"},
        {Cell(40), QAccessible::EditableText, "row 5, column 5|5|||"},
        {Box(41), QAccessible::EditableText, "row 5, column 6|1234.6789||read-only|press"},
        {form->LoadedPossibleForm(), QAccessible::Window, "Possible Values||||"},
        {about, QAccessible::Dialog, "About||||"},
        {about->Label1(), QAccessible::StaticText,
         "Tessra v1.0 (c) 2026 the Tessra developers|||read-only|"}};
    for (const auto& [widget, role, described] : rows) {
        QAccessibleInterface* seen = view(widget);
        ASSERT_TRUE(seen != nullptr && seen->actionInterface() != nullptr) << described;
        EXPECT_EQ(seen->role(), role) << described;
        EXPECT_EQ(
            QStringList({seen->text(QAccessible::Name), seen->text(QAccessible::Value),
                         seen->state().checked ? "checked" : "",
                         seen->state().readOnly ? "read-only" : "",
                         seen->actionInterface()->actionNames().contains(press) ? "press" : ""})
                .join('|')
                .toStdString(),
            described);
    }
    QAccessibleTextInterface* boxText = view(Box(41))->textInterface();
    ASSERT_NE(boxText, nullptr) << "where screen readers read a text field";
    EXPECT_EQ(boxText->text(0, boxText->characterCount()), "1234.6789");
    // Pressed through the screen reader, a swatch is selected as by a click.
    EXPECT_EQ(view(Box(0))->actionInterface()->keyBindingsForAction(press), QStringList("Space"));
    view(form->ColorSelect(5))->actionInterface()->doAction(press);
    EXPECT_EQ(form->SelectedColor, 0xFF0000U);
    EXPECT_TRUE(view(form->ColorSelect(5))->state().checked &&
                !view(form->ColorSelect(0))->state().checked);
    dialog->colorAnswers = {0x2080F0U};
    QTest::mouseClick(form->Command1(), Qt::LeftButton);
    EXPECT_EQ(view(form->ColorSelect(5))->text(QAccessible::Name), "near orange, #F08020");
    view(Box(60))->actionInterface()->doAction(press);
    EXPECT_EQ(form->CurrentIndex, 60);
}

} // namespace
} // namespace tessra
