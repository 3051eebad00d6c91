#include "GuiFixture.h"
#include "files/SavFile.h"
#include "platform/SafeFile.h"
#include "windows/Message.h"
#include "windows/PictureBuffer.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <filesystem>
#include <functional>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tessra {
namespace {

using test::GuiTest;

class FilesTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        form->SetErrorReporter([this](const QString& text) { errors << text; });
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void SaveAs(const QString& path) {
        dialog->fileAnswers.push_back(path);
        Trigger("SaveAs");
    }
    void Load(const QString& path) {
        dialog->fileAnswers.push_back(path);
        Trigger("Load");
    }
    // A generated puzzle with some typing, coloured cells and a changed swatch.
    void MakeWorkWorthSaving() {
        form->NewPuzzle(30);
        for (int i = 0; i < CellCount; ++i) {
            if (Cell(i)->text().isEmpty()) {
                TypeAtEnd(i, QString::fromStdString(form->Solution()[static_cast<std::size_t>(i)]));
                break;
            }
        }
        form->SetCellForeColor(4, 0x0000FF);
        form->SetCellBackColor(40, 0x00FFFF);
        form->ColorSelect(15)->SetBackColor(0x123456);
    }

    QTemporaryDir dir;
    QStringList errors;
};

TEST_F(FilesTest, SaveThenLoadRestoresTheWholeWorkingState) {
    MakeWorkWorthSaving();
    const SavedPuzzle saved = form->CurrentSavedPuzzle();
    SaveAs(Path("work.sav"));
    EXPECT_EQ(form->FileName, Path("work.sav"));
    EXPECT_EQ(dialog->calls.last(), "ShowSave *.sav || *.* .sav");
    const QByteArray bytes = Read(Path("work.sav"));
    EXPECT_EQ(bytes.count("\r\n"), 260);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_TRUE(bytes.startsWith("-1 \r\n"));

    // Somebody else's state in a fresh window...
    TearDown();
    SetUp();
    Load(Path("work.sav"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(form->CurrentSavedPuzzle(), saved);
    EXPECT_EQ(form->FileName, Path("work.sav"));
    EXPECT_EQ(dialog->calls.last(), "ShowOpen *.sav || *.* .sav");
    EXPECT_EQ(form->LoadedPossibleForm()->PossibleGrid(40)->BackColor(), 0x00FFFFU);
    EXPECT_EQ(form->ColorSelect(15)->BackColor(), 0x123456U);
    EXPECT_EQ(Cell(0)->BackColor(), SystemWindowBackground) << "system colours survive";
    EXPECT_TRUE(form->RandomPuzzleGenerateFlag);
    Trigger("Reveal"); // the loaded solution goes onto the board
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(Cell(i)->text().toStdString(), saved.cells[static_cast<std::size_t>(i)].solution);
    }
    Trigger("Check");
    EXPECT_EQ(form->LoadedMessage()->Label1()->text(), "Correct Solution!");
}

TEST_F(FilesTest, RevealAfterLoadingAnUngeneratedFileChangesNothing) {
    SavedPuzzle puzzle = form->CurrentSavedPuzzle();
    puzzle.randomPuzzleGenerateFlag = false;
    for (auto& cell : puzzle.cells) {
        // A char, not "5": GCC 12 at -O3 takes a one-character literal for
        // an overlapping copy (-Wrestrict, GCC bug 105329).
        cell.solution = '5';
    }
    Write(Path("plain.sav"), QByteArray::fromStdString(WriteSavFile(puzzle)));
    Load(Path("plain.sav"));
    ASSERT_TRUE(errors.isEmpty());
    EXPECT_FALSE(form->RandomPuzzleGenerateFlag);
    Trigger("Reveal");
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(Cell(i)->text(), "") << i;
    }
}

TEST_F(FilesTest, StringsAfterTheLastChangedCellKeepTheFileValues) {
    // A file whose board differs from the current one only in cell 10 and
    // whose candidate strings are all "........." except where it says.
    SavedPuzzle puzzle = form->CurrentSavedPuzzle();
    for (auto& cell : puzzle.cells) {
        cell.flags = CandidateString::None();
    }
    puzzle.cells[10].text = "35"; // cleaned to "" by the change handling
    puzzle.cells[12].text = "6";
    Write(Path("partial.sav"), QByteArray::fromStdString(WriteSavFile(puzzle)));
    Load(Path("partial.sav"));
    ASSERT_TRUE(errors.isEmpty());
    EXPECT_EQ(Cell(10)->text(), "");
    EXPECT_EQ(Cell(12)->text(), "6");
    // Cell 12 was the last to change: 0..12 are rebuilt from the board,
    // 13..80 keep the file's strings.
    EXPECT_EQ(FlagsOf(12), ".....6...");
    EXPECT_EQ(FlagsOf(3), "12345.789") << "same block as cell 12";
    EXPECT_EQ(FlagsOf(10), "12345.789") << "same row as cell 12";
    EXPECT_EQ(FlagsOf(0), "123456789");
    EXPECT_EQ(FlagsOf(13), ".........");
    EXPECT_EQ(FlagsOf(80), ".........");
    EXPECT_EQ(form->LoadedPossibleForm()->PossibleGrid(80)->Text(), ".........");
}

TEST_F(FilesTest, AFileMatchingTheBoardKeepsEveryStringFromTheFile) {
    // Strings no scan of this board could give: if any cell were rescanned
    // it would show.
    Cell(40)->setText("5");
    SavedPuzzle puzzle = form->CurrentSavedPuzzle();
    for (int i = 0; i < CellCount; ++i) {
        puzzle.cells[static_cast<std::size_t>(i)].flags =
            i % 2 == 0 ? CandidateString::None() : *CandidateString::Parse("1.3.5.7.9");
    }
    Write(Path("same.sav"), QByteArray::fromStdString(WriteSavFile(puzzle)));
    Load(Path("same.sav"));
    ASSERT_TRUE(errors.isEmpty());
    for (int i = 0; i < CellCount; ++i) {
        const std::string expected = i % 2 == 0 ? "........." : "1.3.5.7.9";
        EXPECT_EQ(FlagsOf(i), expected) << i;
        EXPECT_EQ(form->LoadedPossibleForm()->PossibleGrid(i)->Text().toStdString(), expected) << i;
    }
}

TEST_F(FilesTest, DamagedFilesAreRefusedAndChangeNothing) {
    MakeWorkWorthSaving();
    SaveAs(Path("good.sav"));
    const QByteArray good = Read(Path("good.sav"));
    const SavedPuzzle before = form->CurrentSavedPuzzle();
    QList<QByteArray> goodLines = good.split('\n');

    const auto withLine = [&goodLines](int line, const QByteArray& text) {
        QList<QByteArray> lines = goodLines;
        lines[line - 1] = text + "\r";
        return lines.join('\n');
    };
    const struct {
        const char* name;
        QByteArray bytes;
        const char* mentions;
    } rows[] = {
        {"empty.sav", QByteArray(), "line 1"},
        {"short.sav", good.left(good.size() / 2), "ends early"},
        {"text.sav", withLine(1, "yes"), "line 1"},
        {"colour.sav", withLine(5, " red  0  123456789"), "line 5"},
        {"range.sav", withLine(2, " 99999999999  0  123456789"), "line 2"},
        {"flags.sav", withLine(8, " 0  0  12x456789"), "line 8"},
        {"palette.sav", withLine(260, "lots"), "line 260"},
        {"large.sav", good + QByteArray(2 * 1024 * 1024, ' '), "large"},
    };
    for (const auto& row : rows) {
        errors.clear();
        Write(Path(row.name), row.bytes);
        Load(Path(row.name));
        ASSERT_EQ(errors.size(), 1) << row.name;
        EXPECT_TRUE(errors[0].contains(row.name)) << errors[0].toStdString();
        EXPECT_TRUE(errors[0].contains(row.mentions))
            << row.name << ": " << errors[0].toStdString();
        EXPECT_EQ(form->CurrentSavedPuzzle(), before) << row.name;
        EXPECT_EQ(form->FileName, Path("good.sav")) << row.name;
    }
    errors.clear();
    Load(Path("missing.sav"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("missing.sav"));
    EXPECT_EQ(form->CurrentSavedPuzzle(), before);

    // The size of a file too large to read is told as it is.
    errors.clear();
    Write(Path("huge.sav"), QByteArray(3'000'000, '0'));
    Load(Path("huge.sav"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("3000000 bytes")) << errors[0].toStdString();

    errors.clear();
    Load(dir.path()); // a directory
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("not a regular file"));
#ifdef Q_OS_UNIX
    // A named pipe would block the open for as long as nobody writes to it.
    ASSERT_EQ(mkfifo(Path("pipe.sav").toLocal8Bit().constData(), 0600), 0);
    Load(Path("pipe.sav"));
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[1].contains("not a regular file"));
#endif
    EXPECT_EQ(form->CurrentSavedPuzzle(), before);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "no busy pointer left behind";
}

TEST_F(FilesTest, SaveWithoutANameAsksForOneAndCancelKeepsTheName) {
    dialog->fileAnswers = {QString()};
    Trigger("Save");
    EXPECT_EQ(dialog->calls, QStringList{"ShowSave *.sav || *.* .sav"}) << "asked for a name";
    EXPECT_EQ(form->FileName, "");
    SaveAs(Path("a.sav"));
    SaveAs(QString()); // cancelled
    EXPECT_EQ(form->FileName, Path("a.sav"));
    Load(QString()); // cancelled
    EXPECT_EQ(form->FileName, Path("a.sav"));
    TypeAtEnd(0, "9");
    Trigger("Save"); // no dialog: writes to a.sav
    EXPECT_EQ(dialog->calls.size(), 4);
    EXPECT_TRUE(Read(Path("a.sav")).contains("\r\n9\r\n"));
}

// A folder that is not there, or `ulimit -f` stopping a save part-way: an
// ordinary write failure, with the old file kept and the work still there to
// be saved elsewhere.
TEST_F(FilesTest, FailedSavesAreReportedAndKeepTheOldFile) {
    SaveAs(Path("nowhere/x.sav"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("x.sav"));
    EXPECT_EQ(form->FileName, "") << "a failed Save As does not adopt the name";
    errors.clear();

    MakeWorkWorthSaving();
    Write(Path("old.sav"), "the old file");
    Write(Path("old.bmp"), "the old picture");
    {
        const ScopedFileSizeLimit limit(100);
        if (!limit.Active()) {
            GTEST_SKIP() << "no file size limit here";
        }
        SaveAs(Path("old.sav"));
        dialog->fileAnswers.push_back(Path("old.bmp"));
        Trigger("SnapShot");
    }
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains("old.sav")) << errors[0].toStdString();
    EXPECT_TRUE(errors[1].contains("old.bmp")) << errors[1].toStdString();
    EXPECT_EQ(Read(Path("old.sav")), "the old file");
    EXPECT_EQ(Read(Path("old.bmp")), "the old picture");
    EXPECT_EQ(form->FileName, "");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"old.bmp", "old.sav"}))
        << "no leftovers";
    SaveAs(Path("new.sav"));
    EXPECT_EQ(errors.size(), 2);
    EXPECT_EQ(form->FileName, Path("new.sav"));
}

TEST_F(FilesTest, SnapshotShowsTheBoardOfItsMoment) {
    Cell(0)->setText("7");
    form->SetCellBackColor(0, 0x0000FF);  // red
    form->SetCellBackColor(80, 0xFF0000); // blue
    dialog->fileAnswers = {Path("one.bmp"), Path("two.bmp")};
    Trigger("SnapShot");
    EXPECT_EQ(dialog->calls.last(), "ShowSave *.bmp || *.* .bmp");
    EXPECT_EQ(form->SnapShotFileName, Path("one.bmp"));
    form->SetCellBackColor(0, 0x00FF00); // green
    Trigger("SnapShot");

    const QImage one(Path("one.bmp"));
    const QImage two(Path("two.bmp"));
    ASSERT_FALSE(one.isNull());
    EXPECT_GE(one.width(), 233);
    EXPECT_GE(one.height(), 236);
    EXPECT_EQ(one.pixelColor(2, 2), QColor(255, 0, 0));
    EXPECT_EQ(two.pixelColor(2, 2), QColor(0, 255, 0));
    // Cell 80 ends at the bottom right of the copied area.
    EXPECT_EQ(one.pixelColor(230, 232), QColor(0, 0, 255));
    // The gap between the first two blocks is window background.
    EXPECT_NE(one.pixelColor(76, 10), QColor(255, 255, 255));
    // The digit draws dark pixels in the middle of cell 0.
    int dark = 0;
    for (int y = 4; y < 24; ++y) {
        for (int x = 4; x < 22; ++x) {
            dark += one.pixelColor(x, y).lightness() < 100 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 10) << "the 7 is in the picture";
}

TEST_F(FilesTest, CancelledSnapshotWritesNothing) {
    dialog->fileAnswers = {QString()};
    Trigger("SnapShot");
    EXPECT_EQ(form->SnapShotFileName, "");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(errors.isEmpty());
    dialog->fileAnswers = {Path("nowhere/pic.bmp")};
    Trigger("SnapShot");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("pic.bmp"));
}

// A file written by another tool (LF line ends, single blanks) with a long
// solution text, just under 1 MiB: saving it adds CR LFs and print zones,
// and the saved file must load again.
TEST_F(FilesTest, AFileThatGrowsWhenSavedLoadsAgain) {
    std::string compact = "0\n";
    for (int i = 0; i < CellCount; ++i) {
        compact += "0 -2147483643 123456789\n\n" + std::string(i == 40 ? "@" : "") + "\n";
    }
    for (int j = 0; j < 16; ++j) {
        compact += "0\n";
    }
    const std::size_t fileSize = 1'048'566;
    compact.replace(compact.find('@'), 1, std::string(fileSize - compact.size() + 1, '7'));
    ASSERT_EQ(compact.size(), fileSize);
    Write(Path("compact.sav"), QByteArray::fromStdString(compact));
    Load(Path("compact.sav"));
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const SavedPuzzle loaded = form->CurrentSavedPuzzle();

    SaveAs(Path("grown.sav"));
    EXPECT_GT(QFileInfo(Path("grown.sav")).size(), 1024 * 1024) << "it grew past 1 MiB";
    TearDown();
    SetUp();
    Load(Path("grown.sav"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(form->CurrentSavedPuzzle(), loaded);
}

#ifdef Q_OS_UNIX
// A file name and file text that look like markup are shown as they are.
TEST_F(FilesTest, MessagesShowTagsInNamesAndFileTextAsTyped) {
    form->SetErrorReporter(nullptr); // the real message box
    const QString name = "<font color=red size=6>red.sav";
    Write(Path(name), "<b>bold</b>\r\n");
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, form.get(), [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no message box";
        const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        ASSERT_NE(label, nullptr);
        shown = label->text();
        format = label->textFormat();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    Load(Path(name));
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_TRUE(shown.contains(name)) << shown.toStdString();
    EXPECT_TRUE(shown.contains("\"<b>bold</b>\"")) << shown.toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the box closed";
}

// The path flips between a damaged file and a named pipe as fast as a thread
// can rename. A reader that checks the path and then opens it blocks in the
// open whenever the pipe comes in between; the flipping thread lets such a
// reader go by opening the pipe for writing, and it then reads an empty
// file. Every load must instead end at once with one of the two messages.
TEST_F(FilesTest, APathSwappedForANamedPipeIsRefusedWithoutWaiting) {
    namespace fs = std::filesystem;
    const fs::path damaged = Path("damaged").toStdString();
    const fs::path pipe = Path("pipe").toStdString();
    const fs::path staged = Path("staged").toStdString();
    const fs::path target = Path("target.sav").toStdString();
    Write(Path("damaged"), "x");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    fs::copy_file(damaged, target);
    std::atomic<bool> done = false;
    std::thread flipper([&] {
        std::error_code ignored;
        while (!done) {
            for (const fs::path& next : {pipe, damaged}) {
                fs::create_hard_link(next, staged, ignored);
                fs::rename(staged, target, ignored);
            }
            const int writer = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) {
                close(writer);
            }
        }
    });
    // Every "/." makes each lookup of the path a little longer, and with it
    // the time between a check and an open, so the flips land there often.
    QString slowPath = dir.path();
    for (int k = 0; k < 1000; ++k) {
        slowPath += "/.";
    }
    slowPath += "/target.sav";
    const SavedPuzzle before = form->CurrentSavedPuzzle();
    for (int n = 0; n < 2000; ++n) {
        Load(slowPath);
    }
    done = true;
    flipper.join();
    ASSERT_EQ(errors.size(), 2000);
    int refusedAsPipe = 0;
    for (const QString& error : errors) {
        refusedAsPipe += error.contains("not a regular file") ? 1 : 0;
        EXPECT_TRUE(error.contains("not a regular file") || error.contains("is not a number"))
            << error.toStdString();
    }
    EXPECT_GT(refusedAsPipe, 0) << "the pipe was met";
    EXPECT_LT(refusedAsPipe, 2000) << "the file was met";
    EXPECT_EQ(form->CurrentSavedPuzzle(), before);
}

// Save As, SnapShot and Save replace a regular file or a link to one, and
// refuse a pipe or a folder, leaving it as it was.
TEST_F(FilesTest, SavesReplaceOnlyRegularFiles) {
    namespace fs = std::filesystem;
    MakeWorkWorthSaving();
    for (const char* name : {"pipe.sav", "pipe.bmp", "work.sav"}) {
        ASSERT_EQ(mkfifo(Path(name).toLocal8Bit().constData(), 0600), 0);
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.sav"));
    ASSERT_TRUE(QFile::link(Path("pipe.sav"), Path("to-pipe.sav")));
    Write(Path("real.sav"), "old");
    ASSERT_TRUE(QFile::link(Path("real.sav"), Path("to-real.sav")));

    const struct {
        const char* target;
        std::function<void()> save;
        bool refused;
    } rows[] = {
        {"pipe.sav", [&] { SaveAs(Path("pipe.sav")); }, true},
        {"to-pipe.sav", [&] { SaveAs(Path("to-pipe.sav")); }, true},
        {"folder.sav", [&] { SaveAs(Path("folder.sav")); }, true},
        {"pipe.bmp",
         [&] {
             dialog->fileAnswers.push_back(Path("pipe.bmp"));
             Trigger("SnapShot");
         },
         true},
        {"work.sav",
         [&] {
             form->FileName = Path("work.sav"); // as after a load, before the file became a pipe
             Trigger("Save");
         },
         true},
        {"to-real.sav", [&] { SaveAs(Path("to-real.sav")); }, false},
    };
    for (const auto& row : rows) {
        errors.clear();
        row.save();
        if (row.refused) {
            ASSERT_EQ(errors.size(), 1) << row.target;
            EXPECT_TRUE(errors[0].contains(row.target)) << errors[0].toStdString();
            EXPECT_TRUE(errors[0].contains("not a regular file")) << errors[0].toStdString();
        } else {
            EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
        }
    }
    for (const char* name : {"pipe.sav", "pipe.bmp", "work.sav"}) {
        EXPECT_TRUE(fs::is_fifo(Path(name).toStdString())) << name << " is still a pipe";
    }
    EXPECT_TRUE(fs::is_directory(Path("folder.sav").toStdString()));
    EXPECT_TRUE(QFileInfo(Path("to-real.sav")).isSymLink()) << "the link stays a link";
    EXPECT_EQ(Read(Path("real.sav")),
              QByteArray::fromStdString(WriteSavFile(form->CurrentSavedPuzzle())));
}

// A read of a file to guess its type can wait for ever (the kernel log, for
// root), so the file dialogs must not read the files they list. Each file's
// access time tells whether it was read since it was marked.
TEST_F(FilesTest, FileDialogsDoNotReadTheFilesTheyList) {
    const QDateTime longAgo = QDateTime::currentDateTime().addDays(-2);
    const auto markUnread = [&](const QString& name) {
        Write(Path(name), "%PDF-1.4\n");
        QFile file(Path(name));
        return file.open(QIODevice::ReadWrite) &&
               file.setFileTime(longAgo, QFileDevice::FileAccessTime);
    };
    const auto readSinceMarked = [&](const QString& name) {
        return QFileInfo(Path(name)).lastRead() > longAgo.addSecs(60);
    };
    ASSERT_TRUE(markUnread("probe"));
    ASSERT_TRUE(markUnread("kmsg"));
    Read(Path("probe"));
    if (!readSinceMarked("probe")) {
        GTEST_SKIP() << "this file system does not record reads";
    }

    for (const bool save : {false, true}) {
        QtCommonDialog common(form.get());
        common.Filter = "*.sav || *.*";
        common.DefaultExt = ".sav";
        QString typeShown;
        QTimer::singleShot(0, form.get(), [&] {
            auto* fileDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(fileDialog, nullptr) << "no file dialog";
            // The user types the folder into the name box and shows all files.
            QTest::keyClicks(fileDialog->findChild<QLineEdit*>("fileNameEdit"), dir.path() + "/");
            QTest::keyClick(fileDialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
            auto* model = fileDialog->findChild<QFileSystemModel*>();
            ASSERT_NE(model, nullptr);
            for (int wait = 0; wait < 500 && typeShown.isEmpty(); ++wait) {
                QTest::qWait(10);
                typeShown = model->type(model->index(Path("kmsg")));
            }
            fileDialog->reject();
        });
        save ? common.ShowSave() : common.ShowOpen();
        EXPECT_EQ(common.FileName, "");
        EXPECT_FALSE(typeShown.isEmpty()) << "the dialog listed the folder";
        EXPECT_FALSE(readSinceMarked("kmsg")) << (save ? "Save" : "Open") << " dialog";
    }
}
#endif

} // namespace
} // namespace tessra
