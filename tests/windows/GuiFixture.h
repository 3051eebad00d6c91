#pragma once

#include "platform/CommonDialog.h"
#include "windows/CellEdit.h"
#include "windows/ColorBox.h"
#include "windows/Form1.h"
#include "windows/Form2.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace tessra::test {

// Stands in for the modal file and colour dialogs: answers from a script
// and records how it was called.
class ScriptedDialog final : public CommonDialog {
  public:
    std::deque<QString> fileAnswers;                    // "" = the user cancels
    std::deque<std::optional<ColorValue>> colorAnswers; // nullopt = cancel
    QStringList calls;

    void ShowSave() override { FileName = NextFile(QStringLiteral("ShowSave")); }
    void ShowOpen() override { FileName = NextFile(QStringLiteral("ShowOpen")); }
    bool ShowColor() override {
        calls << QStringLiteral("ShowColor");
        const std::optional<ColorValue> answer =
            colorAnswers.empty() ? std::nullopt : colorAnswers.front();
        if (!colorAnswers.empty()) {
            colorAnswers.pop_front();
        }
        if (!answer) {
            return false;
        }
        Color = *answer;
        return true;
    }

  private:
    QString NextFile(const QString& call) {
        calls << call + QLatin1Char(' ') + Filter + QLatin1Char(' ') + DefaultExt;
        if (fileAnswers.empty()) {
            return {};
        }
        QString answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
};

// A freshly started main window, shown offscreen.
class GuiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<Form1>();
        auto scripted = std::make_unique<ScriptedDialog>();
        dialog = scripted.get();
        form->SetCommonDialog(std::move(scripted));
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

    void Trigger(const char* menuItem) { form->MenuItem(menuItem)->trigger(); }

    std::unique_ptr<Form1> form;
    ScriptedDialog* dialog = nullptr;
};

} // namespace tessra::test
