// Catalogues: reading the entries of a .qoc file and laying a chosen entry out as a new possession.
//
// Data flow: one pass of a FieldScanner over the file's bytes takes the fields three at a time (code,
// name, number) and notes where each record begins, until the "z" record or the end of the bytes;
// an entry's fields are found again and decoded when the lists draw it or it is chosen. Choosing an entry maps its code
// to a file name and a kind, and a number that is a formula code is replaced by formulaValue() over the character's
// attributes.
#include "catalogue/catalogue.h"

#include "common/files.h"
#include "common/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace catalogue {

namespace {

constexpr qsizetype kFieldLimit = common::kSmallFileLimit;

bool isEndCode(QByteArrayView bytes, common::FieldSpan code) { return code.size() == 1 && bytes[code.begin] == 'z'; }

} // namespace

std::optional<Catalogue> readCatalogue(QByteArray bytes)
{
    // Offsets are 32 bits wide: four bytes an entry, the one cost that grows with the entry count.
    if (bytes.size() > qsizetype{std::numeric_limits<std::uint32_t>::max()}) return std::nullopt;
    Catalogue catalogue;
    const common::FileTextLayout layout = common::fileTextLayout(bytes);
    catalogue.encoding_ = layout.encoding;
    // A record takes at least three bytes. The room is only claimed where entries are stored, so a
    // generous guess costs no memory.
    catalogue.records_.reserve(static_cast<std::size_t>(bytes.size() / 3 + 1));

    common::FieldScanner scanner(bytes, layout.start);
    for (;;) {
        const qsizetype start = scanner.position();
        const auto code = scanner.next();
        if (!code || isEndCode(bytes, *code)) break; // the end marker; its name and number do not matter
        const auto name = scanner.next();
        const auto number = name ? scanner.next() : std::nullopt;
        if (!number) break; // a record cut short at the end of the file
        if (std::max({code->size(), name->size(), number->size()}) > kFieldLimit) return std::nullopt;
        catalogue.records_.push_back(static_cast<std::uint32_t>(start));
    }
    catalogue.bytes_ = std::move(bytes);
    return catalogue;
}

std::array<common::FieldSpan, 3> Catalogue::fieldsOf(int row) const
{
    common::FieldScanner scanner(bytes_, records_[static_cast<std::size_t>(row)]);
    std::array<common::FieldSpan, 3> fields{};
    for (common::FieldSpan& field : fields) field = scanner.next().value_or(common::FieldSpan{});
    return fields;
}

QString Catalogue::decoded(common::FieldSpan field) const
{
    return common::decodeText(QByteArrayView(bytes_).sliced(field.begin, field.size()), encoding_);
}

QString Catalogue::shown(common::FieldSpan field) const
{
    // At most four bytes a character: enough bytes for the shown length, cut before a character
    // that would be split, so the cut decodes cleanly.
    const qsizetype room = 4 * kShownLength;
    const bool cut = field.size() > room;
    if (cut) {
        field.end = field.begin + room;
        while (encoding_ == common::TextEncoding::Utf8 && (bytes_[field.end] & 0xC0) == 0x80) --field.end;
    }
    const QString text = decoded(field);
    if (!cut && text.size() <= kShownLength) return text;
    qsizetype kept = std::min(text.size(), kShownLength);
    if (kept > 0 && text[kept - 1].isHighSurrogate()) --kept; // never half a character
    return text.first(kept) + u'\u2026';
}

Entry Catalogue::entry(int row) const
{
    const auto [code, name, number] = fieldsOf(row);
    return Entry{decoded(code), decoded(name), common::ParseNumber(decoded(number))};
}

QString Catalogue::shownCode(int row) const { return shown(fieldsOf(row)[0]); }

QString Catalogue::shownName(int row) const { return shown(fieldsOf(row)[1]); }

QString Catalogue::shownNumber(int row) const
{
    return common::FormatNumber(common::ParseNumber(decoded(fieldsOf(row)[2])));
}

bool isFormulaCode(double value) { return value >= -28.0 && value <= -11.0 && value == std::floor(value); }

namespace {

// The attributes widened once, so that no sum, product or rounding below overflows or saturates:
// the working value is an integer of any size, and only the result is stored in a slot.
struct Wide {
    long long s1, s2, s3, s4, s5, s6;
};

// The largest whole number not above a / b, for b > 0 (integer division truncates towards zero).
long long floorDiv(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// The whole number nearest a real, a half to the even neighbour (the default rounding mode).
long long nearest(double x) { return static_cast<long long>(std::nearbyint(x)); }

long long half(long long w) { return nearest(double(w) / 2.0); }

long long formula12(const Wide& s)
{
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    if (s.s2 > 10) a = double(2 * (s.s2 - 10));
    if (s.s2 > 14) a = double(3 * (s.s2 - 10));
    if (s.s2 > 17) a = double(4 * (s.s2 - 10));
    if (s.s3 > 10) b = double(2 * (s.s3 - 10));
    else a = a / 2;
    if (s.s5 > 10) c = double(2 * (s.s5 - 10));
    else a = a / 2;
    return std::max(nearest(a + b + c), 1LL);
}

long long formula13(const Wide& s)
{
    const long long w = 3 * s.s5 + s.s6 + s.s4;
    return s.s1 > 10 ? nearest(double(w) * (1.0 - double(s.s1 - 10) / 10.0)) : w;
}

long long formula15(const Wide& s)
{
    const long long bonus = s.s1 - 10;
    return (s.s2 > 10 ? bonus : 0) + (s.s3 > 10 ? bonus : 0) + (s.s5 > 10 ? bonus : 0);
}

long long formula19(const Wide& s)
{
    long long w = s.s2 + s.s1 + s.s3;
    if (s.s3 < 14) w = half(w);
    if (s.s3 < 10) w = half(w);
    return w;
}

long long formula26(const Wide& s)
{
    long long w = floorDiv(s.s5 * s.s3, 5);
    if (s.s4 < 14) w = half(w);
    if (s.s4 > 17) w = 2 * w;
    return w;
}

long long formula27(const Wide& s)
{
    long long w = s.s4 + s.s3 + s.s5;
    if (s.s1 < 12) w -= s.s2;
    if (s.s1 > 15) w += s.s2;
    return w;
}

long long formula28(const Wide& s)
{
    long long w = s.s3 + s.s2 + s.s5;
    if (s.s2 < 12) w = half(w);
    if (s.s2 > 15) w = nearest(double(w) * 1.4);
    if (s.s1 > 15) w = nearest(double(w) * 1.4);
    return w;
}

using Formula = long long (*)(const Wide&);

// Formula codes -11, -12, ... -28 in turn.
constexpr std::array<Formula, 18> kFormulas = {
    [](const Wide& s) { return 3 * s.s5 + s.s6 + s.s4 + s.s3; },
    formula12,
    formula13,
    [](const Wide& s) { return s.s3 + s.s1 + s.s5; },
    formula15,
    [](const Wide& s) { return 3 * s.s1 + s.s3 + s.s4; },
    [](const Wide& s) { return floorDiv(s.s3 * s.s3, 10) + s.s1 + s.s2; },
    [](const Wide& s) { return 2 * s.s5 + s.s4; },
    formula19,
    [](const Wide& s) { return std::max(s.s2 + s.s1 + s.s3 + s.s5 - 25, 2LL); },
    [](const Wide& s) { return s.s5 + s.s1 + s.s3; },
    [](const Wide& s) { return s.s5 + s.s2 + s.s3; },
    [](const Wide& s) { return floorDiv(s.s2 * s.s2, 5); },
    [](const Wide& s) { return std::max(s.s1, s.s2) + std::max(s.s3, s.s4); },
    [](const Wide& s) { return s.s3 + s.s2 + s.s4; },
    formula26,
    formula27,
    formula28,
};

} // namespace

std::int16_t formulaValue(int code, const Attributes& s)
{
    if (code > -11 || code < -28) return 0;
    const Wide wide{s[1], s[2], s[3], s[4], s[5], s[6]};
    return common::Saturate16(kFormulas[static_cast<std::size_t>(-11 - code)](wide));
}

Choice chooseEntry(const Entry& entry, const Attributes& attributes)
{
    Choice choice;
    choice.code = entry.code;
    choice.name = entry.name;

    const QString& code = entry.code;
    if (code == u"s" || code == u"m") {
        choice.kind = Kind::Ability;
        choice.fileName = entry.name + QStringLiteral(".qoa");
    } else if (code == u"w" || code == u"a" || code == u"o" || code == u"i" || code == u"d" || code == u"h") {
        choice.kind = Kind::Item;
        choice.fileName = entry.name + QStringLiteral(".qod");
    }

    // Skills ("s") and unknown codes leave the number empty; items and "m" copy it.
    if (code == u"m" || choice.kind == Kind::Item) choice.number = common::FormatNumber(entry.value);

    if (isFormulaCode(entry.value)) {
        choice.formula = formulaValue(int(entry.value), attributes);
        choice.number = common::FormatInteger(*choice.formula);
    }
    return choice;
}

} // namespace catalogue
