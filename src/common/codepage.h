// The program's files are 8-bit text in the Windows-1252 code page, so that files made on a Windows
// machine and files made here are the same bytes.
#pragma once

#include <QByteArray>
#include <QString>

namespace common {

QString decodeCodePage(const QByteArray& bytes);

// Characters the code page cannot hold are written as "?".
QByteArray encodeCodePage(const QString& text);

} // namespace common
