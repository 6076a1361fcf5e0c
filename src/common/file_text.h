// The text of a file and its bytes. Files are 8-bit Windows-1252, so that a file made on a Windows
// machine and one made here are the same bytes. Text the code page cannot hold (Greek, Cyrillic, CJK
// ... in a name, a line or a folder) is not lost to "?": such a file is UTF-8 behind a byte-order
// mark. Reading is the other way round, and a file a Linux editor wrote in UTF-8 reads as UTF-8 too:
//
//   bytes begin with EF BB BF                         -> UTF-8 after the mark
//   valid UTF-8 with at least one multi-byte sequence -> UTF-8
//   anything else                                     -> Windows-1252
//
// Under UTF-8, bytes that are no valid UTF-8 (a folder named in another encoding) map as names on
// disk do (common/native_names.h), so a path read back leads to the same bytes.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace common {

enum class TextEncoding { CodePage, Utf8 };

// How a file's bytes are read, and where its text starts (past the mark).
struct FileTextLayout {
    TextEncoding encoding = TextEncoding::CodePage;
    qsizetype start = 0;
};
FileTextLayout fileTextLayout(QByteArrayView bytes);

// A run of a file's text bytes (no mark) as text. The field delimiters are ASCII, which neither
// encoding uses inside a character, so a field cut out of the bytes decodes as it reads in the text.
QString decodeText(QByteArrayView bytes, TextEncoding encoding);

QString decodeFileText(QByteArrayView bytes);

// Windows-1252 when those bytes read back as the same text; otherwise the mark and UTF-8 (so also
// for code-page bytes that would read as UTF-8: a mark at their start, or mojibake such as "Ã©").
QByteArray encodeFileText(const QString& text);

} // namespace common
