// charac --pdf OUT.pdf [FILE.QOZ...]: the printed sheets of the named characters in one PDF, each
// from a new page, as "!!" prints them, with the possessions of each character file's folder; with no
// file, a fresh sheet. It needs no display and only reads: no message box, no path file written, no
// program folder made; what goes wrong is said on standard error, naming the file and the reason,
// and leaves no PDF behind.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The exit status: 0 when the PDF is written, 1 when a file cannot be read or is no character file,
// or the PDF cannot be written. The sheets are dated printed; the paper is the user's own (Letter in
// the US, A4 elsewhere). Runs in a QGuiApplication on the offscreen platform.
int writeSheetsPdf(const QString& out, const QStringList& files, QDate printed);
