#include "platform/Console.h"

#include <cstdio>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace tessra {

QStringList ProgramArguments(int, char**) {
    QStringList arguments;
    int count = 0;
    if (LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) {
            arguments << QString::fromWCharArray(words[i]);
        }
        LocalFree(words);
    }
    return arguments;
}

void UseParentConsole() {
    const auto connected = [](DWORD which) {
        const HANDLE handle = GetStdHandle(which);
        return handle != nullptr && handle != INVALID_HANDLE_VALUE;
    };
    const bool output = connected(STD_OUTPUT_HANDLE);
    const bool errors = connected(STD_ERROR_HANDLE);
    if ((output && errors) || !AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    if (!output) {
        std::freopen("CONOUT$", "w", stdout);
    }
    if (!errors) {
        std::freopen("CONOUT$", "w", stderr);
    }
}

} // namespace tessra
