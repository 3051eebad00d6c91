#pragma once

#include "windows/CellEdit.h"
#include "windows/ColorBox.h"
#include "windows/Form1.h"
#include "windows/Form2.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace tessra::test {

// A freshly started main window, shown offscreen.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<Form1>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CellEdit* Cell(int index) const { return form->Grid(index); }
    std::string FlagsOf(int index) const {
        return form->Flags()[static_cast<std::size_t>(index)].ToString();
    }

    void ClickCell(int index) { QTest::mouseClick(Cell(index), Qt::LeftButton); }
    // Types as a user would after clicking at the end of the cell's text.
    void TypeAtEnd(int index, const QString& keys) {
        ClickCell(index);
        QTest::keyClick(Cell(index), Qt::Key_End);
        QTest::keyClicks(Cell(index), keys);
    }
    // Lets a window closed by the user actually go away.
    static void ProcessDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<Form1> form;
};

} // namespace tessra::test
