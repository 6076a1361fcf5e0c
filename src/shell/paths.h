// The path files and the place text. Four one-line files in the program's own folder remember the
// three root folders and the character folder between runs; each holds one quoted field and CR LF.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include <array>
#include <optional>

namespace shell {

inline constexpr int kRootFolders = 3;

// "pa 0.txt", "pa 1.txt", "pa 2.txt": the number is written with the blank a positive sign leaves.
QString rootPathFileName(int n);
QString characterPathFileName(); // "pathC.txt"

// The whole content of a path file: the path in double quotes, then CR LF.
QByteArray pathFileBytes(const QString& path);

// The first field of a path file, quoted or not; nothing for an empty file.
std::optional<QString> readPathFile(const QByteArray& bytes);

// The last two folders of a path: the text after the second separator counted from the end, or an
// empty text when the path holds fewer than two ("C:\QOD\Charac\Hero" gives "Charac\Hero").
QString placeOf(const QString& path, QChar separator);

// The root folders the sheet offers before any is stored. On Windows "c:\QOD\Charac", "c:\QOD\" and
// "c:"; elsewhere the same places below the user's home folder, written out in full.
std::array<QString, kRootFolders> designRootFolders(const QString& home);

} // namespace shell
