#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tessra {

class Form1;

// What every Tessra process with windows sets up right after creating its
// QApplication: the application's name and version, and the desktop entry
// its windows belong to; the Fusion style, because the board is laid out to
// the pixel and must look the same on every desktop; and file size limits
// reported as write errors.
void SetUpApplication();

// For the tests, benchmarks and tools that drive the windows without a
// display: Qt's offscreen platform unless QT_QPA_PLATFORM names another.
// Call before the QApplication exists.
void PreferOffscreenPlatform();

// What the command line asks for.
struct CommandLine {
    // Set when the program ends at once with this status, after printing
    // `output` to standard output and `errors` to standard error: --help,
    // --version, or a mistake on the command line.
    std::optional<int> exitStatus;
    QString output;
    QString errors;
    // The puzzle file to open once the main window is up.
    std::optional<QString> file;
};

// Reads `tessra [FILE]`, --help and --version from the program's whole
// command line. Qt's own options (-platform, -style, -display, ...) and their
// values are left to Qt; one of them without its value is a mistake.
CommandLine ParseCommandLine(const QStringList& arguments);

// Loads `file` into `window` exactly as "&Load" does, as soon as the event
// loop runs: a message about a bad file then appears over the shown board.
void OpenAtStart(Form1& window, const QString& file);

// The whole program: command line, QApplication and set-up, main window,
// event loop. Returns the process's exit status.
int RunTessra(int& argc, char** argv);

} // namespace tessra
