#include "common/process.h"

#include "common/native_names.h"

#include <QDir>

#include <climits>
#include <unistd.h>

namespace common {

QStringList programArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(nameFromNative(argv[i]));
    return arguments;
}

QString currentFolder()
{
    char here[PATH_MAX];
    return ::getcwd(here, sizeof here) ? nameFromNative(here) : QDir::currentPath();
}

void useStartingConsole() {}

void leaveStartingConsole() {}

} // namespace common
