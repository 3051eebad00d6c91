#pragma once

#include "board/BoardScan.h"
#include "files/SavFile.h"
#include "platform/CommonDialog.h"
#include "platform/ProgramRandom.h"
#include "windows/AboutForm.h"
#include "windows/CellEdit.h"
#include "windows/ColorBox.h"
#include "windows/Form1.h"
#include "windows/Form2.h"
#include "windows/Generate.h"
#include "windows/Message.h"
#include "windows/PictureBuffer.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <ranges>

namespace tessra::test {

// Stands in for the modal file and colour dialogs: answers from a script,
// where "" and nullopt (or no answer left) are the user cancelling, and
// records every file dialog shown ("ShowSave <filter> <default extension>").
class ScriptedDialog final : public CommonDialog {
  public:
    QStringList fileAnswers;
    QList<std::optional<ColorValue>> colorAnswers;
    QStringList calls;

    void ShowSave() override { FileName = NextFile("ShowSave "); }
    void ShowOpen() override { FileName = NextFile("ShowOpen "); }
    bool ShowColor() override {
        const auto answer = colorAnswers.isEmpty() ? std::nullopt : colorAnswers.takeFirst();
        Color = answer.value_or(Color);
        return answer.has_value();
    }

  private:
    QString NextFile(const QString& call) {
        calls << call + Filter + ' ' + DefaultExt;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
};

// A freshly started main window, shown offscreen, with scripted dialogs, its
// file failures collected in `errors` instead of message boxes, a scratch
// folder, and helpers that click, type and choose menu items as a user does.
class GuiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<Form1>();
        ProgramRandom::Instance().Seed(20.0f); // the same puzzles every run, not the clock's
        auto scripted = std::make_unique<ScriptedDialog>();
        dialog = scripted.get();
        form->SetCommonDialog(std::move(scripted));
        errors.clear();
        form->SetErrorReporter([this](const QString& text) { errors << text; });
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override {
        form.reset();
        ProcessDeletes();
    }
    void Restart() {
        TearDown();
        SetUp();
    }
    // Lets a closed window actually go away.
    static void ProcessDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CellEdit* Cell(int index) const { return form->Grid(index); }
    ColorBox* Box(int index) const { return form->PossibleForm()->PossibleGrid(index); }
    QString FlagsOf(int index) const {
        return QString::fromStdString(form->Flags()[std::size_t(index)].ToString());
    }
    bool BoxesShowFlags() const {
        const auto shows = [this](int i) { return Box(i)->Text() == FlagsOf(i); };
        return std::ranges::all_of(std::views::iota(0, CellCount), shows);
    }
    // Every cell's candidates are the board's, and its box shows them.
    bool CandidatesFollowTheBoard() const {
        FlagGrid scanned;
        BoardScanSetFlags(scanned, form->CurrentBoard());
        return form->Flags() == scanned && BoxesShowFlags();
    }
    int FilledCells() const { return CellCount - int(std::ranges::count(form->CurrentBoard(), 0)); }

    void ClickCell(int index) { QTest::mouseClick(Cell(index), Qt::LeftButton); }
    // Types as a user does after clicking at the end of the cell's text.
    void TypeAtEnd(int index, const QString& keys) {
        ClickCell(index);
        QTest::keyClick(Cell(index), Qt::Key_End);
        QTest::keyClicks(Cell(index), keys);
    }
    void Trigger(const char* menuItem) { form->MenuItem(menuItem)->trigger(); }
    // The menu item, with `path` chosen in the file dialog it shows.
    void Trigger(const char* menuItem, const QString& path) {
        dialog->fileAnswers << path;
        Trigger(menuItem);
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    QByteArray Read(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    std::unique_ptr<Form1> form;
    ScriptedDialog* dialog = nullptr;
    QStringList errors;
    QTemporaryDir dir;
};

} // namespace tessra::test
