// Reading and writing the comma-separated fields of the program's text files.
//
// Reading: a field ends at a comma or a line end (CR LF, a lone LF or a lone CR). Blanks and tabs
// before a field are skipped. A field that opens with a double quote runs to the next double quote,
// commas and line ends included; whatever follows the closing quote up to the next comma or line end
// is ignored. Any other field runs to the next comma or line end and loses its trailing blanks.
// Line structure therefore does not matter: the reader sees one stream of fields.
//
// Every character the rule looks at is ASCII, and neither of the files' encodings (common/file_text.h)
// uses an ASCII byte inside another character, so the fields are found in the bytes and only the
// fields themselves are decoded.
#pragma once

#include "common/file_text.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace common {

// Where a field's text lies in the bytes: [begin, end), without its quotes.
struct FieldSpan {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype size() const { return end - begin; }
};

// The fields of a run of bytes, as spans. The bytes must outlive the scanner.
class FieldScanner {
public:
    explicit FieldScanner(QByteArrayView bytes, qsizetype from = 0) : bytes_(bytes), pos_(from) {}

    // The next field, or nothing when the bytes are used up.
    std::optional<FieldSpan> next();
    // Where the next field's reading starts; a scanner started there reads the same fields.
    qsizetype position() const { return pos_; }

private:
    void skipDelimiter();
    QByteArrayView bytes_;
    qsizetype pos_;
};

// The fields of a whole file, decoded as its bytes say (common/file_text.h).
class FieldReader {
public:
    explicit FieldReader(QByteArray bytes);

    // The next field, or nothing when the file is used up.
    std::optional<QString> next();

private:
    QByteArray bytes_;
    FileTextLayout layout_;
    FieldScanner scanner_;
};

// A text field in double quotes. A double quote inside cannot be stored in the format, so it is
// written as a single quote and every field still reads back in its place.
QString quotedField(const QString& text);

// Fields joined by single commas, ended by CR LF.
QString record(const QStringList& fields);

// The first field of a file, or nothing for an empty one.
std::optional<QString> firstField(const QByteArray& bytes);

} // namespace common
