// The keyboard alone and a screen reader.

#include "GuiFixture.h"
#include "windows/Generate.h"
#include "windows/Message.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace tessra {
namespace {

class AccessTest : public test::GuiTest {
  protected:
    ColorBox* Box(int index) { return form->PossibleForm()->PossibleGrid(index); }
    static QWidget* Focused() { return QApplication::focusWidget(); }
    // A key pressed where the focus is, as the keyboard sends it.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_NE(Focused(), nullptr);
        QTest::keyClick(Focused(), key, modifiers);
    }
    static void PressTimes(Qt::Key key, int times) {
        for (int k = 0; k < times; ++k) {
            Press(key);
        }
    }
    // Opens a menu with Alt and its access key, then presses keys in it.
    static void ChooseFromMenu(QWidget* window, Qt::Key menuKey,
                               std::initializer_list<Qt::Key> keys) {
        QTest::keyClick(window, menuKey, Qt::AltModifier);
        for (Qt::Key key : keys) {
            ASSERT_NE(QApplication::activePopupWidget(), nullptr);
            QTest::keyClick(QApplication::activePopupWidget(), key);
        }
    }
};

TEST_F(AccessTest, PressKeysDoWhatAClickDoesAndEditNothing) {
    form->SelectedColor = 0x0080FF;
    Trigger("ChangeFore");
    Cell(30)->setText("3");
    int textChanges = 0;
    for (int i = 0; i < CellCount; ++i) {
        QObject::connect(Cell(i), &QLineEdit::textChanged, [&textChanges] { ++textChanges; });
    }
    const struct {
        bool box;
        int index;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } rows[] = {{false, 30, Qt::Key_Return, Qt::NoModifier},
                {false, 31, Qt::Key_Enter, Qt::KeypadModifier},
                {true, 32, Qt::Key_Return, Qt::NoModifier},
                {true, 33, Qt::Key_Space, Qt::NoModifier},
                {true, 34, Qt::Key_Enter, Qt::KeypadModifier}};
    for (const auto& row : rows) {
        const QString coordinates = form->CoordinateBox()->text();
        QWidget* target = row.box ? static_cast<QWidget*>(Box(row.index)) : Cell(row.index);
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, row.key, row.modifiers);
        EXPECT_EQ(form->CurrentIndex, row.index) << row.index;
        EXPECT_EQ(Cell(row.index)->ForeColor(), 0x0080FFU) << row.index;
        EXPECT_EQ(Box(row.index)->ForeColor(), 0x0080FFU) << row.index;
        EXPECT_EQ(Box(row.index)->Text().toStdString(), FlagsOf(row.index)) << "nothing typed";
        // Only a cell of the main window shows where it is.
        const QString expected = QStringLiteral(" %1, %2").arg(row.index % 9).arg(row.index / 9);
        EXPECT_EQ(form->CoordinateBox()->text(), row.box ? coordinates : expected) << row.index;
    }
    EXPECT_EQ(Cell(30)->text(), "3");
    EXPECT_EQ(textChanges, 0);
}

TEST_F(AccessTest, AWholePuzzleWithColoursByTheKeyboardAlone) {
    // "New Puzzle" at "Very Easy". "&New" opens highlighted; its N would
    // move on to "S&napShot".
    ChooseFromMenu(form.get(), Qt::Key_F, {Qt::Key_Return});
    Generate* newPuzzle = form->LoadedGenerate();
    ASSERT_NE(newPuzzle, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(newPuzzle));
    QApplication::processEvents(); // the closing menu passes the focus on
    ASSERT_EQ(Focused(), static_cast<QWidget*>(newPuzzle->Command1()));
    PressTimes(Qt::Key_Tab, 2); // over "Cancel" to "Clear Board"
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    ProcessDeletes();
    ASSERT_EQ(form->LoadedGenerate(), nullptr);
    ASSERT_TRUE(form->RandomPuzzleGenerateFlag);

    // Dark red for the background of the centre cell: swatch, menu, cell.
    // Offscreen there is no window manager to give the main window back
    // its activation when the dialog goes.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_EQ(Focused(), Cell(0));
    PressTimes(Qt::Key_Tab, 80 + 2 + 8); // cells, side boxes, swatches 0..7
    ASSERT_EQ(Focused(), form->ColorSelect(7));
    Press(Qt::Key_Space);
    Trigger("ChangeBack");
    PressTimes(Qt::Key_Tab, 4 + 1 + 4 + 1); // on round to the first cell
    ASSERT_EQ(Focused(), Cell(0));
    PressTimes(Qt::Key_Right, 4);
    PressTimes(Qt::Key_Down, 4);
    Press(Qt::Key_Return);
    EXPECT_EQ(Cell(40)->BackColor(), 0x0000C0U);
    EXPECT_EQ(form->CoordinateBox()->text(), " 4, 4");

    // The bottom-right cell, picked in "Possible Values"; Esc comes back to it.
    Trigger("Extra");
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->LoadedPossibleForm()));
    ASSERT_EQ(Focused(), Box(0));
    PressTimes(Qt::Key_Down, 8);
    PressTimes(Qt::Key_Right, 8);
    Press(Qt::Key_Return);
    Press(Qt::Key_Escape);
    ProcessDeletes();
    EXPECT_EQ(form->LoadedPossibleForm(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_EQ(Focused(), Cell(80));
    EXPECT_EQ(Cell(80)->BackColor(), 0x0000C0U);

    // Every open cell filled, walking the board row by row, then checked.
    for (int step = 0; step < CellCount; ++step) {
        const int row = 8 - step / 9;
        const int column = row % 2 == 0 ? 8 - step % 9 : step % 9;
        const int i = IndexOf(column, row);
        ASSERT_EQ(Focused(), Cell(i));
        if (Cell(i)->text().isEmpty()) {
            QTest::keyClicks(Focused(),
                             QString::fromStdString(form->Solution()[static_cast<std::size_t>(i)]));
        }
        if (step % 9 != 8) {
            Press(row % 2 == 0 ? Qt::Key_Left : Qt::Key_Right);
        } else if (row > 0) {
            Press(Qt::Key_Up);
        }
    }
    ChooseFromMenu(form.get(), Qt::Key_L, {Qt::Key_H});
    ASSERT_NE(form->LoadedMessage(), nullptr);
    EXPECT_EQ(form->LoadedMessage()->Label1()->text(), "Correct Solution!");
}

TEST_F(AccessTest, ScreenReadersNameEveryControlAndCanPickAColour) {
    TypeAtEnd(40, "5");
    const auto describe = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget);
    };
    const QString press = QAccessibleActionInterface::pressAction();
    const struct {
        QWidget* widget;
        QAccessible::Role role;
        const char* name;
        const char* value;
        bool checked;
        bool readOnly;
        bool pressable;
    } rows[] = {
        {form->ColorSelect(0), QAccessible::RadioButton, "red, #FF0000", "", true, false, true},
        {form->ColorSelect(15), QAccessible::RadioButton, "dark purple, #400040", "", false, false,
         true},
        {Cell(40), QAccessible::EditableText, "row 5, column 5", "5", false, false, false},
        {Box(41), QAccessible::EditableText, "row 5, column 6", "1234.6789", false, true, true},
    };
    for (const auto& row : rows) {
        QAccessibleInterface* view = describe(row.widget);
        ASSERT_NE(view, nullptr) << row.name;
        EXPECT_EQ(view->role(), row.role) << row.name;
        EXPECT_EQ(view->text(QAccessible::Name), row.name);
        EXPECT_EQ(view->text(QAccessible::Value), row.value) << row.name;
        EXPECT_EQ(view->state().checked, row.checked) << row.name;
        EXPECT_EQ(view->state().readOnly, row.readOnly) << row.name;
        ASSERT_NE(view->actionInterface(), nullptr) << row.name;
        EXPECT_EQ(view->actionInterface()->actionNames().contains(press), row.pressable)
            << row.name;
    }
    QAccessibleTextInterface* boxText = describe(Box(41))->textInterface();
    ASSERT_NE(boxText, nullptr) << "where screen readers read a text field";
    EXPECT_EQ(boxText->text(0, boxText->characterCount()), "1234.6789");

    // Pressed through the screen reader, a swatch is selected as by a click.
    describe(form->ColorSelect(5))->actionInterface()->doAction(press);
    EXPECT_EQ(form->SelectedColor, 0xFF0000U);
    EXPECT_TRUE(describe(form->ColorSelect(5))->state().checked);
    EXPECT_FALSE(describe(form->ColorSelect(0))->state().checked);
    dialog->colorAnswers = {0x2080F0U};
    QTest::mouseClick(form->Command1(), Qt::LeftButton);
    EXPECT_EQ(describe(form->ColorSelect(5))->text(QAccessible::Name), "near orange, #F08020");
    describe(Box(60))->actionInterface()->doAction(press);
    EXPECT_EQ(form->CurrentIndex, 60);
}

} // namespace
} // namespace tessra
