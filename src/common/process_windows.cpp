#include "common/process.h"

#include <QDir>

#include <cstdio>
#include <windows.h>

namespace common {

QStringList programArguments(int, char*[])
{
    QStringList arguments;
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; words && i < count; ++i) arguments.append(QString::fromWCharArray(words[i]));
    LocalFree(words);
    return arguments;
}

QString currentFolder() { return QDir::currentPath(); }

void useStartingConsole()
{
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output != nullptr && output != INVALID_HANDLE_VALUE) return; // a pipe, a file or a console of its own
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}

} // namespace common
