// Whole-file reads and writes. Every file the program writes is replaced whole or not at all, so a
// failed save never leaves a half-written file or destroys the earlier one.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace common {

std::optional<QByteArray> readWholeFile(const QString& path);

// Writes through a temporary file that replaces the target only once it is complete.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

// A file or folder name built from typed text: refused when it is empty, "." or "..", or holds a path
// separator (so that it would leave the folder or name no file).
bool isValidFileName(const QString& name);

// Joins a folder and a name with the platform's separator.
QString joinPath(const QString& folder, const QString& name);

} // namespace common
