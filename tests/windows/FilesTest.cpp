// Puzzle files and snapshots, and the file faults that once cost work or hung.

#include "GuiFixture.h"
#include "support/SpecialFiles.h"
#include "windows/Startup.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>

namespace tessra {
namespace {

using FilesTest = test::GuiTest;

// Saved work comes back whole. Files that cannot be read as a puzzle, and
// paths that cannot take one, are refused with one message; the board, the
// file name and what is on the disk stay as they were.
TEST_F(FilesTest, SaveAndLoadKeepTheWorkAndRefusedPathsChangeNothing) {
    const auto oneError = [this](const QString& name, const QString& why) {
        const QStringList seen = std::exchange(errors, {});
        return seen.size() == 1 && seen[0].contains(name) && seen[0].contains(why)
                   ? ::testing::AssertionSuccess()
                   : ::testing::AssertionFailure() << seen.join('\n').toStdString();
    };
    Trigger("Save", ""); // no name yet: asks for one, cancelled
    form->NewPuzzle(30); // with coloured cells and a changed swatch
    form->SetCellForeColor(4, 0x0000FF);
    form->SetCellBackColor(40, 0x00FFFF);
    form->ColorSelect(15)->SetBackColor(0x123456);
    Trigger("SaveAs", Path("good.sav"));
    Trigger("SaveAs", ""); // cancelled: the name stays
    Trigger("Load", "");
    form->SetCellBackColor(41, 0x0000FF);
    Trigger("Save"); // no dialog: writes to good.sav
    const QString save = "ShowSave *.sav || *.* .sav";
    EXPECT_EQ(dialog->calls, QStringList({save, save, save, "ShowOpen *.sav || *.* .sav"}));
    const SavedPuzzle before = form->CurrentSavedPuzzle();
    EXPECT_EQ(Read("good.sav").toStdString(), WriteSavFile(before));
    Restart();
    Trigger("Load", Path("good.sav"));
    EXPECT_EQ(form->CurrentSavedPuzzle(), before);
    EXPECT_EQ(form->FileName, Path("good.sav"));
    EXPECT_EQ(Box(40)->BackColor(), 0x00FFFFU);

    Write("damaged.sav", "-1 \r\n 0 red 123456789\r\n");
    Write("huge.sav", QByteArray(3'000'000, '0'));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.sav"));
    struct Row {
        const char* item;
        QString name;
        const char* why = "not a regular file";
    };
    std::vector<Row> rows = {{"Load", "damaged.sav", "line 2: the background colour"},
                             {"Load", "huge.sav", "(3000000 bytes;"},
                             {"Load", "missing.sav", "Could not read"},
                             {"SaveAs", "nowhere/x.sav", "Could not save the puzzle"},
                             {"SnapShot", "nowhere/x.bmp", "Could not save the picture"},
                             {"SaveAs", "folder.sav"}};
    const test::SpecialFiles special(dir.path());
    for (const auto& [item, path, why] : special.Targets()) {
        rows.push_back({item, path, why});
    }
    for (const auto& [item, name, why] : rows) {
        Trigger(item, QDir(dir.path()).filePath(name));
        EXPECT_TRUE(oneError(QFileInfo(name).fileName(), why)) << item << " " << name.toStdString();
        EXPECT_EQ(form->CurrentSavedPuzzle(), before) << name.toStdString();
        EXPECT_EQ(form->FileName, Path("good.sav")) << name.toStdString();
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "no busy pointer left behind";
    EXPECT_TRUE(QFileInfo(Path("folder.sav")).isDir());
    EXPECT_TRUE(special.Intact());
    // A save that fails after it has begun is an ordinary write failure.
    const auto files = QDir(dir.path()).count();
    {
        const test::FailingSaves failing(Path("good.sav"));
        Trigger("SaveAs", Path("good.sav")); // a snapshot writes the same way
        EXPECT_TRUE(oneError("good.sav", ""));
    }
    EXPECT_EQ(Read("good.sav").toStdString(), WriteSavFile(before));
    EXPECT_EQ(QDir(dir.path()).count(), files) << "no leftovers";
#ifdef Q_OS_UNIX
    // A link to a regular file is saved through and stays a link. (A
    // Windows shortcut is a file of its own, which the file dialog follows.)
    ASSERT_TRUE(QFile::link(Path("good.sav"), Path("to-good.sav")));
    Trigger("SaveAs", Path("to-good.sav"));
    EXPECT_TRUE(errors.isEmpty() && QFileInfo(Path("to-good.sav")).isSymLink());
#endif
    // A name no 8-bit code page holds.
    Trigger("SaveAs", Path("数独 ψ.sav"));
    Trigger("Load", Path("数独 ψ.sav"));
    EXPECT_TRUE(errors.isEmpty() && Read("数独 ψ.sav") == Read("good.sav"))
        << errors.join('\n').toStdString();
    // The real message box shows file text that looks like markup as it is.
    form->SetErrorReporter(nullptr);
    Write("markup.sav", "<b>bold</b>\r\n");
    QString shown;
    QTimer::singleShot(0, form.get(), [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no message box";
        shown = box->textFormat() == Qt::PlainText ? box->text() : "not plain text";
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    Trigger("Load", Path("markup.sav"));
    EXPECT_TRUE(shown.contains("markup.sav") && shown.contains("\"<b>bold</b>\""))
        << shown.toStdString();
    // A puzzle saved on another system (this one by Tessra on Linux) saves
    // back byte for byte, CR LF line ends and all.
    const QString other = QStringLiteral(TESSRA_SAV_CORPUS_DIR "/valid-saved-on-linux.sav");
    Trigger("Load", other);
    Trigger("SaveAs", Path("again.sav"));
    QFile original(other);
    EXPECT_TRUE(original.open(QIODevice::ReadOnly) && original.readAll() == Read("again.sav"));
}

// Each cell's text is written as if typed, so the candidates are rebuilt from
// the board up to the last cell that changed; the file's strings stand after
// it, and everywhere when no cell changed.
TEST_F(FilesTest, LoadedCandidatesAreTheFilesAfterTheLastChangedCell) {
    Cell(40)->setText("5");
    SavedPuzzle puzzle = form->CurrentSavedPuzzle();
    for (std::size_t i = 0; i < puzzle.cells.size(); ++i) {
        puzzle.cells[i].flags =
            i % 2 ? *CandidateString::Parse("1.3.5.7.9") : CandidateString::None();
    }
    Write("same.sav", QByteArray::fromStdString(WriteSavFile(puzzle)));
    Trigger("Load", Path("same.sav"));
    EXPECT_EQ(form->CurrentSavedPuzzle(), puzzle);
    EXPECT_TRUE(BoxesShowFlags());
    puzzle.cells[10].text = "35"; // cleaned to "" as typing it would be
    puzzle.cells[12].text = "6";
    Write("partial.sav", QByteArray::fromStdString(WriteSavFile(puzzle)));
    Trigger("Load", Path("partial.sav"));
    EXPECT_EQ(Cell(10)->text() + "|" + Cell(12)->text(), "|6");
    // Cell 12, its block, its row, elsewhere; then after it.
    EXPECT_EQ(FlagsOf(12) + FlagsOf(3) + FlagsOf(10) + FlagsOf(0) + FlagsOf(13) + FlagsOf(80),
              ".....6...12345.78912345.789123456789"
              "1.3.5.7.9.........");
    EXPECT_TRUE(BoxesShowFlags());
}

TEST_F(FilesTest, SnapshotShowsTheBoardOfItsMoment) {
    Trigger("SnapShot", ""); // cancelled: nothing written
    EXPECT_TRUE(form->SnapShotFileName.isEmpty() && QDir(dir.path()).isEmpty());
    form->activateWindow(); // the focus mark of cell 0 shows, but not in the picture
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ClickCell(0);
    Cell(0)->setText("7");
    form->SetCellBackColor(0, 0x0000FF);  // red
    form->SetCellBackColor(80, 0xFF0000); // blue
    Trigger("SnapShot", Path("one.bmp"));
    EXPECT_EQ(dialog->calls.last(), "ShowSave *.bmp || *.* .bmp");
    EXPECT_EQ(form->SnapShotFileName, Path("one.bmp"));
    form->SetCellBackColor(0, 0x00FF00); // green
    Trigger("SnapShot", Path("two.bmp"));
    const QImage one(Path("one.bmp"));
    ASSERT_TRUE(one.width() >= 233 && one.height() >= 236);
    EXPECT_EQ(one.pixelColor(2, 2), QColor(255, 0, 0));
    EXPECT_EQ(QImage(Path("two.bmp")).pixelColor(2, 2), QColor(0, 255, 0));
    EXPECT_EQ(one.pixelColor(230, 232), QColor(0, 0, 255)) << "cell 80 ends the picture";
    EXPECT_NE(one.pixelColor(76, 10), QColor(255, 255, 255)) << "the gap between blocks";
    const QImage seven = one.copy(4, 4, 16, 20).convertToFormat(QImage::Format_Grayscale8);
    const auto dark = std::count_if(seven.constBits(), seven.constBits() + seven.sizeInBytes(),
                                    [](uchar gray) { return gray < 100; });
    EXPECT_GT(dark, 10) << "the 7 in the middle of cell 0";
}

// A file named at start loads as the menu loads it, but only once the event
// loop runs, so that a message box has the shown window under it. Its name
// is in scripts that no single Windows code page spells.
TEST_F(FilesTest, AFileNamedAtStartLoadsAsLoadDoesOnceTheEventLoopRuns) {
    const SavedPuzzle fresh = form->CurrentSavedPuzzle();
    form->NewPuzzle(30);
    const QString name = QStringLiteral(u"パズル Ωμέγα.sav");
    Trigger("SaveAs", Path(name));
    const SavedPuzzle saved = form->CurrentSavedPuzzle();
    for (const bool found : {true, false}) {
        Restart();
        OpenAtStart(*form, Path(found ? name : "missing.sav"));
        EXPECT_TRUE(form->CurrentSavedPuzzle() == fresh && errors.isEmpty()) << "not yet";
        QTest::qWait(20); // once only
        EXPECT_EQ(form->CurrentSavedPuzzle(), found ? saved : fresh);
        EXPECT_EQ(form->FileName, found ? Path(name) : "");
        EXPECT_EQ(errors.size(), found ? 0 : 1);
    }
}

// Reading a file to guess its type can wait for ever (the kernel log, for
// root; a device), so the file dialogs must not read the files they list. By its name
// alone, a .sav file is a puzzle here, whichever other program also claims
// the name.
TEST_F(FilesTest, FileDialogsDoNotReadTheFilesTheyList) {
    const QDateTime longAgo = QDateTime::currentDateTime().addDays(-2);
    for (const char* name : {"probe", "kmsg", "game.SAV"}) {
        Write(name, "$FL2@(#) SPSS DATA FILE\n");
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(longAgo, QFileDevice::FileAccessTime));
    }
    const auto readSinceMarked = [&](const char* name) {
        return QFileInfo(Path(name)).lastRead() > longAgo.addSecs(60);
    };
    Read("probe");
    if (!readSinceMarked("probe")) {
        GTEST_SKIP() << "this file system does not record reads";
    }
    QtCommonDialog common(form.get()); // Save shows the same dialog
    common.Filter = "*.sav || *.*";
    QString typeShown;
    QString puzzleType;
    QTimer::singleShot(0, form.get(), [&] {
        auto* fileDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(fileDialog, nullptr) << "no file dialog";
        // The user types the folder into the name box and shows all files.
        QTest::keyClicks(fileDialog->findChild<QLineEdit*>("fileNameEdit"), dir.path() + "/");
        QTest::keyClick(fileDialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
        const auto* model = fileDialog->findChild<QFileSystemModel*>();
        for (int wait = 0; wait < 500 && typeShown.isEmpty(); ++wait) {
            QTest::qWait(10);
            typeShown = model->type(model->index(Path("kmsg")));
        }
        puzzleType = model->type(model->index(Path("game.SAV")));
        fileDialog->reject();
    });
    common.ShowOpen();
    EXPECT_TRUE(common.FileName.isEmpty() && !typeShown.isEmpty()) << "cancelled, once listed";
    EXPECT_FALSE(readSinceMarked("kmsg") || readSinceMarked("game.SAV"));
    EXPECT_EQ(puzzleType.toStdString(), "Tessra puzzle");
}

} // namespace
} // namespace tessra
