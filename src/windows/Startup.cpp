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

// Takes Qt's options out of `arguments` as Qt will, so that they are neither
// mistakes nor puzzle files here. Returns the option whose value is missing.
std::optional<QString> SetAsideQtOptions(QStringList& arguments) {
    // As QCoreApplication, QGuiApplication, QApplication and the X11 platform
    // read them (Qt 6), with one dash or two. An option of the first list
    // takes the next word as its value, whatever that looks like. -geometry,
    // -title and -icon are the X11 names of the -qwindow options.
    static const QStringList withValue =
        QStringLiteral("platform platformpluginpath platformtheme plugin qwindowgeometry "
                       "qwindowtitle qwindowicon session qmljsdebugger style stylesheet display "
                       "geometry title icon name visual")
            .split(QLatin1Char(' '));
    static const QStringList withEquals =
        QStringLiteral("style stylesheet qmljsdebugger").split(QLatin1Char(' '));
    static const QStringList flags =
        QStringLiteral("reverse testability widgetcount nograb dograb").split(QLatin1Char(' '));
    QStringList ours;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QStringView name = argument;
        if (i == 0 || !name.startsWith(QLatin1Char('-'))) {
            ours << argument;
            continue;
        }
        name = name.mid(name.startsWith(QLatin1String("--")) ? 2 : 1);
        // -style=Fusion, -stylesheet=file and -qmljsdebugger=port:1234 carry
        // their value; macOS's Finder adds -psn_<number>.
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if ((equals > 0 && withEquals.contains(name.left(equals))) ||
            name.startsWith(QLatin1String("psn_"))) {
            continue;
        }
        if (withValue.contains(name)) {
            if (++i == arguments.size()) {
                return argument;
            }
        } else if (!flags.contains(name)) {
            ours << argument;
        }
    }
    arguments = ours;
    return std::nullopt;
}

} // namespace

void SetUpApplication() {
    // A size limit (ulimit -f) then fails a save with a message instead of
    // ending the program with the work unsaved.
    IgnoreFileSizeLimitSignal();
    QApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QApplication::setApplicationVersion(QStringLiteral(TESSRA_VERSION));
    // Desktops match a running window to its launcher by this name: Wayland's
    // app_id is the desktop entry's name. X11's WM_CLASS is made of an
    // instance name, which the entry names as StartupWMClass, and a class,
    // the application's name ("Tessra"); Qt takes the instance name from
    // -name, else from RESOURCE_NAME, else from the program's file name.
    QApplication::setDesktopFileName(QStringLiteral(TESSRA_APP_ID));
    if (qEnvironmentVariableIsEmpty("RESOURCE_NAME")) {
        qputenv("RESOURCE_NAME", TESSRA_APP_ID);
    }
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
    QStringList ours = arguments;
    if (const std::optional<QString> bare = SetAsideQtOptions(ours)) {
        return Refuse(program, usage, QStringLiteral("Missing value after '%1'.").arg(*bare));
    }
    if (!parser.parse(ours)) {
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
    // --help, --version and every mistake are answered before Qt opens the
    // window system, so that they work in a terminal without a display too.
    // Qt takes its own options out of argv, as the reading here sets them
    // aside.
    const CommandLine command = ParseCommandLine(ProgramArguments(argc, argv));
    if (command.exitStatus) {
        return Answer(command);
    }
    QApplication app(argc, argv);
    SetUpApplication();
    Form1 window;
    window.show();
    if (command.file) {
        OpenAtStart(window, *command.file);
    }
    return QApplication::exec();
}

} // namespace tessra
