// charac --pdf OUT.pdf [FILE.QOZ...]: the sheets of the named characters in one PDF, a page each, as
// "!!" prints them, with no window shown and no display needed; with no file, a fresh sheet. It only
// reads: no message box, no path file written, no program folder made; what goes wrong is said on
// standard error, naming the file and the reason, and leaves no PDF behind.
#pragma once

#include <QString>
#include <QStringList>

// The exit status: 0 when the PDF is written, 1 when a file cannot be read or is no character file,
// or the PDF cannot be written. Runs in a QApplication on the offscreen platform.
int writeSheetsPdf(const QString& out, const QStringList& files);
