// The program's files are 8-bit text in the Windows-1252 code page, so that files made on a Windows
// machine and files made here are the same bytes.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace common {

QString decodeCodePage(QByteArrayView bytes);

// The text's bytes, or nothing when it holds a character the code page has no byte for.
std::optional<QByteArray> encodeCodePage(QStringView text);

} // namespace common
