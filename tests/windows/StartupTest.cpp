#include "windows/Startup.h"

#include "GuiFixture.h"

#include <QProcess>
#include <QRegularExpression>

namespace tessra {
namespace {

// The built program, run as a user runs it from a terminal: help and version
// with no window system at all, mistakes refused with status 2. A pattern
// matches the whole standard output, a "|", and the whole standard error.
TEST(CommandLineTest, AnswersWithoutAWindowAndRefusesMistakes) {
    const char* version = R"(^Tessra \d+\.\d+\n\|$)";
    const std::tuple<QStringList, int, const char*> runs[] = {
        {{"--version"}, 0, version},
        {{"-v"}, 0, version},
        {{"-platform", "offscreen", "--version"}, 0, version},
        {{"--help"}, 0, R"(^Usage: tessra \[options\] \[FILE\]\n.*--version.*File > Load.*\|$)"},
        {{"-h", "puzzle.sav"}, 0, R"(^Usage: tessra .*\|$)"},
        {{"--frobnicate"},
         2,
         R"(^\|tessra: Unknown option 'frobnicate'\.\nUsage: tessra )"
         R"(\[options\] \[FILE\]\nTry 'tessra --help' for more information\.\n$)"},
        {{"one.sav", "two.sav"}, 2, R"(^\|tessra: Only one puzzle file can be opened\.\n)"}};
    const QTemporaryDir runtime;
    for (const auto& [arguments, status, pattern] : runs) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", status == 0 ? "none" : "offscreen");
        // As in a desktop session: without one Qt complains on standard error.
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        QProcess process; // kills the program if it opened a window instead of ending
        process.setProcessEnvironment(environment);
        process.start(TESSRA_PROGRAM, arguments);
        ASSERT_TRUE(process.waitForFinished(20000)) << "still running";
        EXPECT_EQ(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, status);
        const QString shown = QString::fromLocal8Bit(process.readAllStandardOutput() + '|' +
                                                     process.readAllStandardError());
        const QRegularExpression expected(pattern, QRegularExpression::DotMatchesEverythingOption);
        EXPECT_TRUE(expected.match(shown).hasMatch()) << shown.toStdString();
    }
}

// As the menu loads it, but only once the event loop runs, so that a
// message box has the shown window under it.
using test::GuiTest;

TEST_F(GuiTest, AFileNamedAtStartLoadsAsLoadDoesOnceTheEventLoopRuns) {
    const SavedPuzzle fresh = form->CurrentSavedPuzzle();
    form->NewPuzzle(30);
    Trigger("SaveAs", Path("puzzle.sav"));
    Write("damaged.sav", "-1 \r\n 0 x\r\n");
    for (const QString name : {"puzzle.sav", "damaged.sav", "missing.sav"}) {
        SCOPED_TRACE(name.toStdString());
        Restart();
        Trigger("Load", Path(name));
        const SavedPuzzle byMenu = form->CurrentSavedPuzzle();
        const QStringList byMenuErrors = errors;
        Restart();
        OpenAtStart(*form, Path(name));
        EXPECT_TRUE(form->CurrentSavedPuzzle() == fresh && errors.isEmpty()) << "not yet";
        QCoreApplication::processEvents();
        EXPECT_EQ(errors, byMenuErrors);
        EXPECT_EQ(errors.size(), name == "puzzle.sav" ? 0 : 1);
        EXPECT_EQ(form->CurrentSavedPuzzle(), byMenu);
        EXPECT_EQ(byMenu != fresh, name == "puzzle.sav");
        EXPECT_EQ(form->FileName, name == "puzzle.sav" ? Path(name) : QString());
    }
}

} // namespace
} // namespace tessra
