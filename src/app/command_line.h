// The words charac is started with. They are read twice: once before the toolkit is started, when
// its own options (-platform, -style ...) are still among them, and once after it has taken those
// out. A bad command line is refused with exit status 2 as early as it can be told, so that it
// needs no display to be told.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// The program's arguments, taken as names on disk are, so that a file named in another encoding opens.
QStringList argumentsOf(int argc, char* argv[]);

// The program's options: --help, --help-all, --version, --pdf OUT.pdf, --versions, and the files.
const QCommandLineOption& pdfOption();
const QCommandLineOption& versionsOption();
void describeOptions(QCommandLineParser& parser);

// What is wrong with the words before the toolkit has taken its own: an option that neither the
// program nor the toolkit knows, an option without its value, a second --pdf, -platform given with
// --pdf, or --versions with --pdf, with other than one file, or with a file of which no versions are
// kept. Empty when nothing is wrong yet.
QString errorBeforeToolkit(QCommandLineParser& parser, const QStringList& arguments);

// What is wrong with the words the toolkit left: as above, and more than one file for the window.
QString errorAfterToolkit(QCommandLineParser& parser, const QStringList& arguments);

// Whether a window can be shown at all: a display is named (DISPLAY, WAYLAND_DISPLAY, -display) or a
// platform is chosen by hand (QT_QPA_PLATFORM, -platform), which may need none.
bool namesDisplay(const QStringList& arguments);

// A file named on the command line, made absolute and clean from the texts alone: Qt's own
// conversion would pass a folder named in another encoding through the system's encoding and lose it.
QString absoluteFile(const QString& file);
