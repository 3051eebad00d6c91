#pragma once

#include <QStringList>

namespace tessra {

// The program's arguments as the user typed them, program name first. On
// Windows they come from the wide command line: argv holds only what the
// ANSI code page can spell, and a puzzle named in Greek would be lost.
QStringList ProgramArguments(int argc, char** argv);

// Lets standard output and standard error reach the console the program was
// started from, so that --help and a usage error are seen there. A Windows
// program without a console window of its own has nowhere to write
// otherwise; output already sent to a file or a pipe stays there. Does
// nothing where a program always has its terminal.
void UseParentConsole();

} // namespace tessra
