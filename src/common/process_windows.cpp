#include "common/process.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <windows.h>

namespace common {

QStringList programArguments(int, char*[])
{
    // Once the toolkit has started, its list leaves out the options it took, as its argv does.
    if (QCoreApplication::instance()) return QCoreApplication::arguments();
    QStringList arguments;
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; words && i < count; ++i) arguments.append(QString::fromWCharArray(words[i]));
    LocalFree(words);
    return arguments;
}

QString currentFolder() { return QDir::currentPath(); }

namespace {
bool attached = false;

bool goesSomewhere(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}
} // namespace

void useStartingConsole()
{
    const bool output = goesSomewhere(STD_OUTPUT_HANDLE), errors = goesSomewhere(STD_ERROR_HANDLE);
    if ((output && errors) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    attached = true;
    if (!output) std::freopen("CONOUT$", "w", stdout);
    if (!errors) std::freopen("CONOUT$", "w", stderr);
}

void leaveStartingConsole()
{
    // Attached, the window would end with the console: Ctrl+C or closing it there ends the program.
    if (attached) FreeConsole();
    attached = false;
}

} // namespace common
