#include "windows/Startup.h"

#include "GuiFixture.h"
#include "files/SavFile.h"
#include "support/SamplePuzzle.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace tessra {
namespace {

// The built program, run as a user runs it from a terminal.
TEST(CommandLineTest, AnswersWithoutAWindowAndRefusesMistakes) {
    // "none" is no window system at all: help and version must not need one.
    struct Run {
        QStringList arguments;
        const char* platform;
        int status;
        const char* output; // patterns the whole standard output
        const char* errors; // and the whole standard error must match
    };
    const Run runs[] = {
        {{"--version"}, "none", 0, R"(^Tessra \d+\.\d+\n$)", "^$"},
        {{"-v"}, "none", 0, R"(^Tessra \d+\.\d+\n$)", "^$"},
        {{"-platform", "offscreen", "--version"}, "none", 0, R"(^Tessra \d+\.\d+\n$)", "^$"},
        {{"--help"},
         "none",
         0,
         R"(^Usage: tessra \[options\] \[FILE\]\n.*--version.*File > Load)",
         "^$"},
        {{"-h", "puzzle.sav"}, "none", 0, R"(^Usage: tessra )", "^$"},
        {{"--frobnicate"},
         "offscreen",
         2,
         "^$",
         R"(^tessra: Unknown option 'frobnicate'\.\nUsage: tessra \[options\] \[FILE\]\n)"
         R"(Try 'tessra --help' for more information\.\n$)"},
        {{"one.sav", "two.sav"},
         "offscreen",
         2,
         "^$",
         R"(^tessra: Only one puzzle file can be opened\.\n)"},
    };
    const QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    for (const Run& run : runs) {
        SCOPED_TRACE(run.arguments.join(QLatin1Char(' ')).toStdString());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(run.platform));
        // As in a desktop session: without a runtime directory Qt complains
        // on standard error.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TESSRA_PROGRAM), run.arguments);
        // A program that opened its window instead of answering would still
        // be running.
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "still running: it did not end after answering";
            continue;
        }
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), run.status);
        const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
        const auto matches = [](const char* pattern, const QString& text) {
            return QRegularExpression(QString::fromUtf8(pattern),
                                      QRegularExpression::DotMatchesEverythingOption)
                .match(text)
                .hasMatch();
        };
        EXPECT_TRUE(matches(run.output, output)) << output.toStdString();
        EXPECT_TRUE(matches(run.errors, errors)) << errors.toStdString();
    }
}

class OpenAtStartTest : public test::GuiTest {
  protected:
    // A freshly started main window whose messages land in `reported`.
    void Restart(QStringList& reported) {
        TearDown();
        SetUp();
        form->SetErrorReporter([&reported](const QString& text) { reported << text; });
    }
};

TEST_F(OpenAtStartTest, LoadsTheFileAsLoadDoesOnceTheEventLoopRuns) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&dir](const char* name, const std::string& bytes) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return file.fileName();
    };
    const SavedPuzzle fresh = form->CurrentSavedPuzzle();
    struct File {
        QString path;
        bool loads;
    };
    const File files[] = {
        {write("puzzle.sav", WriteSavFile(test::SamplePuzzle())), true},
        {write("damaged.sav", "-1 \r\n 0 x\r\n"), false},
        {dir.filePath(QStringLiteral("missing.sav")), false},
    };
    for (const File& file : files) {
        SCOPED_TRACE(file.path.toStdString());
        QStringList byMenu;
        Restart(byMenu);
        dialog->fileAnswers.push_back(file.path);
        Trigger("Load");
        const SavedPuzzle loadedByMenu = form->CurrentSavedPuzzle();
        EXPECT_EQ(loadedByMenu != fresh, file.loads);

        QStringList atStart;
        Restart(atStart);
        OpenAtStart(*form, file.path);
        // Nothing before the event loop runs, so that a message box has the
        // shown window under it.
        EXPECT_EQ(form->CurrentSavedPuzzle(), fresh);
        EXPECT_TRUE(atStart.isEmpty());
        QCoreApplication::processEvents();

        EXPECT_EQ(atStart, byMenu);
        EXPECT_EQ(atStart.size(), file.loads ? 0 : 1);
        EXPECT_EQ(form->CurrentSavedPuzzle(), file.loads ? loadedByMenu : fresh);
        EXPECT_EQ(form->FileName, file.loads ? file.path : QString());
    }
}

} // namespace
} // namespace tessra
