#include "windows/Startup.h"

#include "platform/Console.h"
#include "platform/SafeFile.h"
#include "windows/Form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>

namespace tessra {

namespace {

// The status of a mistake on the command line, as most command-line tools
// use it; 1 would look like a failure of the program itself.
constexpr int UsageStatus = 2;

const char* const ApplicationName = "Tessra";

// The program as the user types it: "tessra", also for tessra.exe.
QString ProgramName(const QStringList& arguments) {
    QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments[0]).fileName();
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        name.chop(4);
    }
    return name.isEmpty() ? QStringLiteral("tessra") : name;
}

int Answer(const CommandLine& command) {
    UseParentConsole();
    std::fputs(qPrintable(command.output), stdout);
    std::fputs(qPrintable(command.errors), stderr);
    return command.exitStatus.value_or(0);
}

CommandLine Refuse(const QString& program, const QString& usage, const QString& reason) {
    CommandLine command;
    command.exitStatus = UsageStatus;
    command.errors = QStringLiteral("%1: %2\n%3\nTry '%1 --help' for more information.\n")
                         .arg(program, reason, usage);
    return command;
}

} // namespace

void SetUpApplication() {
    // A size limit (ulimit -f) then fails a save with a message instead of
    // ending the program with the work unsaved.
    IgnoreFileSizeLimitSignal();
    QApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QApplication::setApplicationVersion(QStringLiteral(TESSRA_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void PreferOffscreenPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tessra: the 9x9 number-placement puzzle with live candidates."));
    // Our own options rather than addHelpOption(): that one also brings
    // --help-all, whose text only QCommandLineParser::process() can print,
    // and process() ends the program with status 1 on a mistake.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOptions({help, version});
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A puzzle file (.sav) to open, as File > Load opens it."),
        QStringLiteral("[FILE]"));

    const QString program = ProgramName(arguments);
    const QString usage = QStringLiteral("Usage: %1 [options] [FILE]").arg(program);
    if (!parser.parse(arguments)) {
        return Refuse(program, usage, parser.errorText());
    }
    CommandLine command;
    if (parser.isSet(help)) {
        command.exitStatus = 0;
        // Qt names the program by the whole path it was started with; the
        // usage line names it as the user types it.
        const QString text = parser.helpText();
        command.output = usage + text.mid(text.indexOf(QLatin1Char('\n')));
        return command;
    }
    if (parser.isSet(version)) {
        command.exitStatus = 0;
        command.output = QStringLiteral("%1 %2\n").arg(QString::fromLatin1(ApplicationName),
                                                       QStringLiteral(TESSRA_VERSION));
        return command;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return Refuse(program, usage, QStringLiteral("Only one puzzle file can be opened."));
    }
    if (!files.isEmpty()) {
        command.file = files.first();
    }
    return command;
}

void OpenAtStart(Form1& window, const QString& file) {
    // A zero timer fires once the event loop runs. It is the window's child,
    // so it goes with the window if that closes first.
    auto* timer = new QTimer(&window);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, &window, [&window, timer, file] {
        timer->deleteLater();
        window.LoadPuzzleFile(file);
    });
    timer->start(0);
}

int RunTessra(int& argc, char** argv) {
    // --help and --version are answered before Qt opens the window system,
    // so that they work in a terminal without a display too. Qt's own
    // options (-platform, -style) make this first reading fail; the second,
    // after QApplication has taken them out, decides then.
    if (const CommandLine early = ParseCommandLine(ProgramArguments(argc, argv));
        early.exitStatus == 0) {
        return Answer(early);
    }

    QApplication app(argc, argv);
    SetUpApplication();
    const CommandLine command = ParseCommandLine(QCoreApplication::arguments());
    if (command.exitStatus) {
        return Answer(command);
    }
    Form1 window;
    window.show();
    if (command.file) {
        OpenAtStart(window, *command.file);
    }
    return QApplication::exec();
}

} // namespace tessra
