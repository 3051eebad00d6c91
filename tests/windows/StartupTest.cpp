#include "windows/Startup.h"

#include "GuiFixture.h"
#include "support/SamplePuzzle.h"

#include <QProcess>
#include <QRegularExpression>

namespace tessra {
namespace {

using test::GuiTest;

// The built program, run as a user runs it from a terminal: help and version
// with no window system at all, mistakes refused with status 2. A pattern
// matches the whole standard output, a "|", and the whole standard error.
TEST(CommandLineTest, AnswersWithoutAWindowAndRefusesMistakes) {
    const std::tuple<QStringList, int, const char*> runs[] = {
        {{"--version"}, 0, R"(^Tessra \d+\.\d+\n\|$)"},
        {{"-v"}, 0, R"(^Tessra \d+\.\d+\n\|$)"},
        {{"-platform", "offscreen", "--version"}, 0, R"(^Tessra \d+\.\d+\n\|$)"},
        {{"--help"}, 0, R"(^Usage: tessra \[options\] \[FILE\]\n.*--version.*File > Load.*\|$)"},
        {{"-h", "puzzle.sav"}, 0, R"(^Usage: tessra .*\|$)"},
        {{"--frobnicate"},
         2,
         R"(^\|tessra: Unknown option 'frobnicate'\.\nUsage: tessra \[options\] \[FILE\]\n)"
         R"(Try 'tessra --help' for more information\.\n$)"},
        {{"one.sav", "two.sav"}, 2, R"(^\|tessra: Only one puzzle file can be opened\.\n)"}};
    const QTemporaryDir runtime;
    for (const auto& [arguments, status, pattern] : runs) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", status == 0 ? "none" : "offscreen");
        // As in a desktop session: without one Qt complains on standard error.
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(TESSRA_PROGRAM, arguments);
        // A program that opened its window instead of answering would still run.
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "still running: it did not end after answering";
            continue;
        }
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), status);
        const QString shown = QString::fromLocal8Bit(process.readAllStandardOutput() + '|' +
                                                     process.readAllStandardError());
        EXPECT_TRUE(QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
                        .match(shown)
                        .hasMatch())
            << shown.toStdString();
    }
}

TEST_F(GuiTest, AFileNamedAtStartLoadsAsLoadDoesOnceTheEventLoopRuns) {
    const SavedPuzzle fresh = form->CurrentSavedPuzzle();
    Write("puzzle.sav", QByteArray::fromStdString(WriteSavFile(test::SamplePuzzle())));
    Write("damaged.sav", "-1 \r\n 0 x\r\n");
    for (const QString name : {"puzzle.sav", "damaged.sav", "missing.sav"}) {
        SCOPED_TRACE(name.toStdString());
        Restart();
        Trigger("Load", Path(name));
        const SavedPuzzle byMenu = form->CurrentSavedPuzzle();
        const QStringList byMenuErrors = errors;
        EXPECT_EQ(byMenu != fresh, name == "puzzle.sav");

        Restart();
        OpenAtStart(*form, Path(name));
        // Nothing before the event loop runs, so that a message box has the
        // shown window under it.
        EXPECT_EQ(form->CurrentSavedPuzzle(), fresh);
        EXPECT_TRUE(errors.isEmpty());
        QCoreApplication::processEvents();
        EXPECT_EQ(errors, byMenuErrors);
        EXPECT_EQ(errors.size(), name == "puzzle.sav" ? 0 : 1);
        EXPECT_EQ(form->CurrentSavedPuzzle(), byMenu);
        EXPECT_EQ(form->FileName, name == "puzzle.sav" ? Path(name) : QString());
    }
}

} // namespace
} // namespace tessra
