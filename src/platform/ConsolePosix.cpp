#include "platform/Console.h"

namespace tessra {

QStringList ProgramArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

void UseParentConsole() {}

} // namespace tessra
