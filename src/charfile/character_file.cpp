#include "charfile/character_file.h"

#include "common/fields.h"
#include "common/file_text.h"
#include "common/numbers.h"

#include <array>
#include <cmath>

namespace charfile {
namespace {

enum class Kind { Text, Value };

struct Record {
    Kind kind;
    int firstSlot;
};

constexpr int kFieldsPerRecord = 7;

constexpr std::array<Record, 5> kRecords = {{
    {Kind::Text, 1},
    {Kind::Value, 1},
    {Kind::Text, 8},
    {Kind::Value, 8},
    {Kind::Text, 15},
}};

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Moves past a run of digits; true when there was at least one.
bool skipDigits(const QString& text, qsizetype& pos)
{
    const qsizetype start = pos;
    while (pos < text.size() && isDigit(text[pos])) ++pos;
    return pos > start;
}

void skipSign(const QString& text, qsizetype& pos)
{
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) ++pos;
}

// True when the whole text is one number in ParseNumber's syntax, without blanks.
bool isWholeNumber(const QString& text)
{
    qsizetype pos = 0;
    skipSign(text, pos);
    bool digits = skipDigits(text, pos);
    if (pos < text.size() && text[pos] == u'.') {
        ++pos;
        digits = skipDigits(text, pos) || digits;
    }
    if (!digits) return false;
    if (pos < text.size()) {
        const QChar e = text[pos].toUpper();
        if (e != u'E' && e != u'D') return false;
        ++pos;
        skipSign(text, pos);
        if (!skipDigits(text, pos)) return false;
    }
    return pos == text.size();
}

} // namespace

QByteArray characterFileBytes(const sheet::Character& c)
{
    QString text;
    for (const Record& r : kRecords) {
        QStringList fields;
        for (int slot = r.firstSlot; slot < r.firstSlot + kFieldsPerRecord; ++slot) {
            fields.append(r.kind == Kind::Text ? common::quotedField(c.CharText.numbered(slot))
                                               : common::FormatInteger(c.CharValue.numbered(slot)));
        }
        text += common::record(fields);
    }
    return common::encodeFileText(text);
}

bool readCharacterFile(const QByteArray& bytes, sheet::Character& c)
{
    common::FieldReader reader(bytes);
    for (const Record& r : kRecords) {
        for (int slot = r.firstSlot; slot < r.firstSlot + kFieldsPerRecord; ++slot) {
            const std::optional<QString> field = reader.next();
            if (!field) return false;
            if (r.kind == Kind::Text) {
                c.CharText.numbered(slot) = *field;
            } else {
                const std::optional<std::int16_t> value = integerField(*field);
                if (!value) return false;
                c.CharValue.numbered(slot) = *value;
            }
        }
    }
    return true;
}

std::optional<std::int16_t> integerField(const QString& field)
{
    // Blanks around a number in quotes are blanks around a number, as they are without quotes.
    const QString number = field.trimmed();
    if (number.isEmpty()) return 0;
    if (!isWholeNumber(number)) return std::nullopt;
    // nearbyint rounds halves to even in the default rounding mode, as ToInt16 does; the range is
    // checked on the rounded value so that 32767.4 still reads and 32767.5 does not.
    const double rounded = std::nearbyint(common::ParseNumber(number));
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

} // namespace charfile
