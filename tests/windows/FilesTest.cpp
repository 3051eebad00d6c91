// Puzzle files and snapshots through the menus, and the file faults that
// once cost a user work or hung the program.

#include "GuiFixture.h"
#include "platform/SafeFile.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QTimer>
#include <atomic>
#include <filesystem>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tessra {
namespace {

class FilesTest : public test::GuiTest {
  protected:
    // A generated puzzle with some typing, coloured cells and a changed swatch.
    void MakeWorkWorthSaving() {
        form->NewPuzzle(30);
        const BoardDigits board = form->CurrentBoard();
        const auto open = std::size_t(std::find(board.begin(), board.end(), 0) - board.begin());
        TypeAtEnd(int(open), QString::fromStdString(form->Solution()[open]));
        form->SetCellForeColor(4, 0x0000FF);
        form->SetCellBackColor(40, 0x00FFFF);
        form->ColorSelect(15)->SetBackColor(0x123456);
    }
    QString WriteSav(const QString& name, const SavedPuzzle& puzzle) {
        Write(name, QByteArray::fromStdString(WriteSavFile(puzzle)));
        return Path(name);
    }
    // Whether there was exactly one message, naming all of `parts`.
    ::testing::AssertionResult OneError(std::initializer_list<QString> parts) {
        bool named = errors.size() == 1;
        for (const QString& part : parts) {
            named = named && errors[0].contains(part);
        }
        const std::string all = errors.join('\n').toStdString();
        errors.clear();
        return named ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << all;
    }
};

TEST_F(FilesTest, SaveAndLoadKeepTheWholeWorkingStateAndTheFileName) {
    Trigger("Save", ""); // no name yet: asks for one, cancelled
    MakeWorkWorthSaving();
    Trigger("SaveAs", Path("a.sav"));
    Trigger("SaveAs", ""); // cancelled: the name stays
    Trigger("Load", "");
    form->SetCellBackColor(41, 0x0000FF);
    Trigger("Save"); // no dialog: writes to a.sav
    const QString sav = "*.sav || *.* .sav";
    EXPECT_EQ(dialog->calls, QStringList({"ShowSave " + sav, "ShowSave " + sav, "ShowSave " + sav,
                                          "ShowOpen " + sav}));
    const SavedPuzzle saved = form->CurrentSavedPuzzle();
    EXPECT_EQ(Read("a.sav").toStdString(), WriteSavFile(saved));
    Restart();
    Trigger("Load", Path("a.sav"));
    EXPECT_EQ(form->CurrentSavedPuzzle(), saved);
    EXPECT_EQ(form->FileName, Path("a.sav"));
    EXPECT_EQ(Box(40)->BackColor(), 0x00FFFFU);
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
    Trigger("Load", WriteSav("same.sav", puzzle));
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(FlagsOf(i), i % 2 ? "1.3.5.7.9" : ".........") << i;
    }
    EXPECT_TRUE(BoxesShowFlags());
    for (auto& cell : puzzle.cells) {
        cell.flags = CandidateString::None();
    }
    puzzle.cells[10].text = "35"; // cleaned to "" as typing it would be
    puzzle.cells[12].text = "6";
    Trigger("Load", WriteSav("partial.sav", puzzle));
    EXPECT_EQ(Cell(10)->text() + "|" + Cell(12)->text(), "|6");
    EXPECT_EQ(FlagsOf(12), ".....6...");
    EXPECT_EQ(FlagsOf(3) + "|" + FlagsOf(10), "12345.789|12345.789") << "block and row of cell 12";
    EXPECT_EQ(FlagsOf(0), "123456789");
    EXPECT_EQ(FlagsOf(13) + "|" + FlagsOf(80) + "|" + Box(80)->Text().toStdString(),
              ".........|.........|.........");
}

// Files that cannot be read as a puzzle, or a path that cannot take one, are
// refused with a message; the board, the file name and what is on the disk
// stay as they were.
TEST_F(FilesTest, RefusedFilesSayWhyAndChangeNothing) {
    MakeWorkWorthSaving();
    Trigger("SaveAs", Path("good.sav"));
    const SavedPuzzle before = form->CurrentSavedPuzzle();
    Write("damaged.sav", "-1 \r\n 0 red 123456789\r\n");
    Write("huge.sav", QByteArray(3'000'000, '0'));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.sav"));
    const char* special = "not a regular file";
    std::vector<std::tuple<const char*, const char*, const char*>> rows = {
        {"Load", "damaged.sav", "line 2: the background colour"},
        {"Load", "huge.sav", "(3000000 bytes;"},
        {"Load", "missing.sav", "Could not read"},
        {"Load", "folder.sav", special},
        {"SaveAs", "folder.sav", special},
        {"SaveAs", "nowhere/x.sav", "Could not save the puzzle"},
        {"SnapShot", "nowhere/x.bmp", "Could not save the picture"}};
#ifdef Q_OS_UNIX
    // A named pipe would block an open for as long as nobody writes to it,
    // and a save would replace it with a regular file.
    for (const char* pipe : {"pipe.sav", "pipe.bmp"}) {
        ASSERT_EQ(mkfifo(Path(pipe).toLocal8Bit().constData(), 0600), 0);
    }
    ASSERT_TRUE(QFile::link(Path("pipe.sav"), Path("to-pipe.sav")));
    rows.insert(rows.end(), {{"Load", "pipe.sav", special},
                             {"SaveAs", "pipe.sav", special},
                             {"SaveAs", "to-pipe.sav", special},
                             {"SnapShot", "pipe.bmp", special}});
#endif
    for (const auto& [item, name, why] : rows) {
        Trigger(item, Path(name));
        EXPECT_TRUE(OneError({name, why})) << item;
        EXPECT_EQ(form->CurrentSavedPuzzle(), before) << name;
        EXPECT_EQ(form->FileName, Path("good.sav")) << name;
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "no busy pointer left behind";
    EXPECT_TRUE(QFileInfo(Path("folder.sav")).isDir());
#ifdef Q_OS_UNIX
    form->FileName = Path("pipe.sav"); // as after a load, before it became a pipe
    Trigger("Save");
    EXPECT_TRUE(OneError({"pipe.sav", special}));
    EXPECT_TRUE(std::filesystem::is_fifo(Path("pipe.sav").toStdString()) &&
                std::filesystem::is_fifo(Path("pipe.bmp").toStdString()));
    // A link to a regular file is saved through and stays a link.
    ASSERT_TRUE(QFile::link(Path("good.sav"), Path("to-good.sav")));
    Trigger("SaveAs", Path("to-good.sav"));
    EXPECT_TRUE(errors.isEmpty() && QFileInfo(Path("to-good.sav")).isSymLink());
    EXPECT_EQ(Read("good.sav").toStdString(), WriteSavFile(before));
#endif
}

// `ulimit -f` stopping a save part-way: an ordinary write failure, with the
// old file kept and the work still there to be saved elsewhere.
TEST_F(FilesTest, AFileSizeLimitFailsASaveAndKeepsTheOldFile) {
    MakeWorkWorthSaving();
    Write("old.sav", "the old file");
    Write("old.bmp", "the old picture");
    {
        const ScopedFileSizeLimit limit(100);
        if (!limit.Active()) {
            GTEST_SKIP() << "no file size limit here";
        }
        Trigger("SaveAs", Path("old.sav"));
        EXPECT_TRUE(OneError({"old.sav"}));
        Trigger("SnapShot", Path("old.bmp"));
        EXPECT_TRUE(OneError({"old.bmp"}));
    }
    EXPECT_EQ(Read("old.sav") + "|" + Read("old.bmp"), "the old file|the old picture");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"old.bmp", "old.sav"}))
        << "no leftovers";
    EXPECT_EQ(form->FileName, "");
    Trigger("SaveAs", Path("new.sav"));
    EXPECT_TRUE(errors.isEmpty() && form->FileName == Path("new.sav"));
}

TEST_F(FilesTest, SnapshotShowsTheBoardOfItsMoment) {
    Trigger("SnapShot", ""); // cancelled: nothing written
    EXPECT_TRUE(form->SnapShotFileName.isEmpty() && QDir(dir.path()).isEmpty());
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
    int dark = 0; // the 7 in the middle of cell 0
    for (int y = 4; y < 24; ++y) {
        for (int x = 4; x < 22; ++x) {
            dark += one.pixelColor(x, y).lightness() < 100 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 10);
}

// A file written by another tool (LF line ends, single blanks) with texts at
// the reader's limit: saving it adds CR LFs and print zones up to the largest
// file the writer makes, and that must load again, to its very last byte.
TEST_F(FilesTest, AFileThatGrowsWhenSavedLoadsAgain) {
    std::string compact = "-1\n";
    for (int i = 0; i < CellCount; ++i) {
        compact += "-2147483648 -2147483648 123456789\n\n" + std::string(i == 40 ? "@" : "") + "\n";
    }
    for (int j = 0; j < PaletteSize; ++j) {
        compact += "-2147483648\n";
    }
    compact.replace(compact.find('@'), 1, std::string(MaxSavTextBytes, '7'));
    Write("compact.sav", QByteArray::fromStdString(compact));
    Trigger("Load", Path("compact.sav"));
    const SavedPuzzle loaded = form->CurrentSavedPuzzle();
    Trigger("SaveAs", Path("grown.sav"));
    QByteArray grown = Read("grown.sav");
    EXPECT_EQ(std::size_t(grown.size()), MaxSavFileSize);
    // The same last colour, now with a last byte that counts.
    Write("last.sav", grown.replace(grown.size() - 14, 14, "-0002147483648"));
    for (const char* name : {"grown.sav", "last.sav"}) {
        Restart();
        Trigger("Load", Path(name));
        EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
        EXPECT_EQ(form->CurrentSavedPuzzle(), loaded) << name;
    }
}

#ifdef Q_OS_UNIX
// A file name and file text that look like markup are shown as they are.
TEST_F(FilesTest, MessagesShowTagsInNamesAndFileTextAsTyped) {
    form->SetErrorReporter(nullptr); // the real message box
    const QString name = "<font color=red size=6>red.sav";
    Write(name, "<b>bold</b>\r\n");
    QString shown;
    QTimer::singleShot(0, form.get(), [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no message box";
        const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        shown = label->textFormat() == Qt::PlainText ? label->text() : "not plain text";
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    Trigger("Load", Path(name));
    EXPECT_TRUE(shown.contains(name) && shown.contains("\"<b>bold</b>\"")) << shown.toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the box closed";
}

// The path flips between a damaged file and a named pipe as fast as a thread
// can rename. A reader that checks the path and then opens it blocks in the
// open whenever the pipe comes in between; the flipping thread lets such a
// reader go by opening the pipe for writing, and it then reads an empty
// file. Every load must instead end at once with one of the two messages.
TEST_F(FilesTest, APathSwappedForANamedPipeIsRefusedWithoutWaiting) {
    namespace fs = std::filesystem;
    const fs::path damaged = Path("damaged").toStdString(), pipe = Path("pipe").toStdString(),
                   staged = Path("staged").toStdString(), target = Path("target.sav").toStdString();
    Write("damaged", "x");
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
            if (const int writer = open(pipe.c_str(), O_WRONLY | O_NONBLOCK); writer >= 0) {
                close(writer);
            }
        }
    });
    // Every "/." makes each lookup of the path longer, and with it the time
    // between a check and an open, so the flips land there often.
    const QString slowPath = dir.path() + QString("/.").repeated(1000) + "/target.sav";
    const SavedPuzzle before = form->CurrentSavedPuzzle();
    for (int n = 0; n < 2000; ++n) {
        Trigger("Load", slowPath);
    }
    done = true;
    flipper.join();
    const auto asPipe = errors.filter("not a regular file").size();
    EXPECT_EQ(asPipe + errors.filter("is not a number").size(), 2000);
    EXPECT_TRUE(asPipe > 0 && asPipe < 2000) << "both the pipe and the file were met";
    EXPECT_EQ(form->CurrentSavedPuzzle(), before);
}

// A read of a file to guess its type can wait for ever (the kernel log, for
// root), so the file dialogs must not read the files they list. Each file's
// access time tells whether it was read since it was marked.
TEST_F(FilesTest, FileDialogsDoNotReadTheFilesTheyList) {
    const QDateTime longAgo = QDateTime::currentDateTime().addDays(-2);
    for (const char* name : {"probe", "kmsg"}) {
        Write(name, "%PDF-1.4\n");
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
    for (const bool save : {false, true}) {
        QtCommonDialog common(form.get());
        common.Filter = "*.sav || *.*";
        QString typeShown;
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
            fileDialog->reject();
        });
        save ? common.ShowSave() : common.ShowOpen();
        EXPECT_EQ(common.FileName, "") << "cancelled";
        EXPECT_FALSE(typeShown.isEmpty()) << "the dialog listed the folder";
        EXPECT_FALSE(readSinceMarked("kmsg")) << (save ? "Save" : "Open") << " dialog";
    }
}
#endif

} // namespace
} // namespace tessra
