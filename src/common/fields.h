// Reading and writing the comma-separated fields of the program's text files.
//
// Reading: a field ends at a comma or a line end (CR LF, a lone LF or a lone CR). Blanks and tabs
// before a field are skipped. A field that opens with a double quote runs to the next double quote,
// commas and line ends included; whatever follows the closing quote up to the next comma or line end
// is ignored. Any other field runs to the next comma or line end and loses its trailing blanks.
// Line structure therefore does not matter: the reader sees one stream of fields.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace common {

class FieldReader {
public:
    explicit FieldReader(QString text);

    // The next field, or nothing when the text is used up.
    std::optional<QString> next();

private:
    void skipDelimiter();
    QString text_;
    qsizetype pos_ = 0;
};

// A text field in double quotes. A double quote inside cannot be stored in the format, so it is
// written as a single quote and every field still reads back in its place.
QByteArray quotedField(const QString& text);

// Fields joined by single commas, ended by CR LF.
QByteArray record(const QList<QByteArray>& fields);

// The first field of a text, or nothing for an empty text.
std::optional<QString> firstField(const QString& text);

} // namespace common
