// The field reader every text file of the program goes through, and the code page under it.
//
// Properties: the code page maps every byte to one character and back; any file's text, written as
// the program writes files, reads back as the same text; the reader ends, never hands out more
// fields than the file has bytes, and each field is a piece of the file's text; firstField() is the
// reader's first field; and any fields read, written again as the program writes them (quoted, or
// bare where a bare field reads back the same) in records of any length, read back as the same
// fields in the same places.
#include "fuzz_support.h"

#include "common/codepage.h"
#include "common/fields.h"
#include "common/file_text.h"

#include <QList>

#include <optional>

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// A field that reads back the same without quotes: nothing that ends a field, and nothing at its
// edges that the reader skips, trims or takes as an opening quote.
bool readsBackBare(const QString& field)
{
    if (field.contains(u',') || field.contains(u'\r') || field.contains(u'\n')) return false;
    if (field.isEmpty()) return true;
    return field.front() != u'"' && !isBlank(field.front()) && !isBlank(field.back());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::inputBytes(data, size);
    const QString cp = common::decodeCodePage(bytes);
    FUZZ_CHECK(cp.size() == bytes.size(),
               QStringLiteral("decoded %1 characters from %2 bytes").arg(cp.size()).arg(bytes.size()));
    FUZZ_CHECK(common::encodeCodePage(cp) == bytes, fuzz::shown(cp));

    // The file's text, whichever encoding its bytes are in, is written back to bytes that read as it.
    const QString text = common::decodeFileText(bytes);
    FUZZ_CHECK(common::decodeFileText(common::encodeFileText(text)) == text, fuzz::shown(text));

    QList<QString> fields;
    common::FieldReader reader(bytes);
    while (const std::optional<QString> field = reader.next()) {
        fields.append(*field);
        // Every field takes at least one byte of the file, so the reader cannot run on.
        FUZZ_CHECK(fields.size() <= bytes.size(), fuzz::shown(text));
        // A field is a piece of the file's text: the fields are found in the bytes, not the text.
        FUZZ_CHECK(text.contains(*field), fuzz::shown(*field) + QStringLiteral(" / ") + fuzz::shown(text));
    }

    const std::optional<QString> first = common::firstField(bytes);
    FUZZ_CHECK(first.has_value() == !fields.isEmpty(), fuzz::shown(text));
    if (first)
        FUZZ_CHECK(*first == fields.front(), fuzz::shown(*first) + QStringLiteral(" / ") + fuzz::shown(fields.front()));

    if (fields.isEmpty()) return 0; // a record of no fields would still be a line, and read as one
    // The first bytes choose the layout: how many fields a record holds, and which fields that could
    // stand bare are written bare.
    const int perRecord = 1 + (size > 0 ? data[0] % 9 : 0);
    const unsigned bareMask = size > 1 ? data[1] : 0u;
    QString written;
    QList<QString> expected;
    QStringList record;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString& field = fields[i];
        const bool bare = readsBackBare(field) && (bareMask >> (i % 8) & 1u) != 0;
        record.append(bare ? field : common::quotedField(field));
        expected.append(bare ? field : fuzz::storedText(field));
        if (record.size() == perRecord || i == fields.size() - 1) {
            written += common::record(record);
            record.clear();
        }
    }

    common::FieldReader again(common::encodeFileText(written));
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const std::optional<QString> field = again.next();
        FUZZ_CHECK(field.has_value(), QStringLiteral("field %1 missing from %2").arg(i).arg(fuzz::shown(written)));
        FUZZ_CHECK(
            *field == expected[i],
            QStringLiteral("field %1: %2 read back as %3").arg(i).arg(fuzz::shown(expected[i]), fuzz::shown(*field)));
    }
    FUZZ_CHECK(!again.next().has_value(), fuzz::shown(written));
    return 0;
}
