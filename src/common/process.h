// The running program as its system starts it: the words it was started with, its working folder,
// and the console it may print to.
#pragma once

#include <QString>
#include <QStringList>

namespace common {

// The words the program was started with, the program's own name first. On Unix they are bytes,
// taken as names on disk are (native_names.h), so that a file named in another encoding opens; on
// Windows they are the UTF-16 command line.
QStringList programArguments(int argc, char* argv[]);

// The process's working folder, with the same care for names in other encodings.
QString currentFolder();

// Points standard output and error at the console the program was started from when it has none of
// its own: a Windows program with a window prints its help into the console that started it. Where
// output already goes somewhere (a pipe, a file, a terminal), nothing changes.
void useStartingConsole();
// Lets go of that console again, before the window opens, so that the window lives on its own.
void leaveStartingConsole();

// The toolkit's platform for drawing pages without showing a window or needing a display: offscreen
// on Unix; Windows' own, which draws with the system's fonts and needs no display either (the
// offscreen platform would have no fonts there).
#ifdef Q_OS_WIN
inline constexpr const char* kPlatformWithoutScreen = "windows";
#else
inline constexpr const char* kPlatformWithoutScreen = "offscreen";
#endif

} // namespace common
