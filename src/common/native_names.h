// Names on disk are bytes; the program's texts are Unicode. Most names are UTF-8, but archives made on
// other systems bring names in other encodings ("caf\xe9.QOZ" in Latin-1). Such a name must still be
// listed, opened and saved to, so a name read from disk becomes a text that leads back to exactly its
// bytes: valid UTF-8 reads as its characters, and every other byte b becomes the lone surrogate
// U+DC00+b, which no valid UTF-8 text can hold. Every path the program opens goes back to bytes here.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace common {

// A byte-order mark in a name, at its start too, is one of its characters.
QString nameFromNative(QByteArrayView bytes);
QByteArray nativePath(const QString& path);

// How a name is shown: a byte kept from a foreign encoding as its Windows-1252 character (the likely
// origin of such names), and a control character such as a line break as the replacement character,
// so that every name is one line and shows that something is there.
QString displayName(const QString& name);

// True when the bytes are valid UTF-8 and hold at least one character of more than one byte: text
// that a UTF-8 editor wrote, and not 8-bit text of a code page (whose high bytes rarely line up).
bool isMultiByteUtf8(QByteArrayView bytes);

} // namespace common
