// Catalogues: reading the entries of a .qoc file and laying a chosen entry out as a new possession.
//
// Data flow: the file's bytes are decoded from Windows-1252 once and handed to a FieldReader, whose
// fields are taken three at a time (code, name, number) and moved straight into the entry list until
// the "z" record or the end of the text. Choosing an entry maps its code to a file name and a kind,
// and a number that is a formula code is replaced by formulaValue() over the character's attributes.
#include "catalogue/catalogue.h"

#include "common/codepage.h"
#include "common/fields.h"
#include "common/numbers.h"

#include <algorithm>
#include <cmath>

namespace catalogue {

QList<Entry> readCatalogue(const QByteArray& bytes)
{
    QList<Entry> entries;
    // Catalogues hold one record a line by habit; other layouts only make the list grow as it goes.
    // A record takes at least three bytes, which bounds the guess for a file of empty lines.
    entries.reserve(std::min(bytes.count('\n'), bytes.size() / 3) + 1);

    common::FieldReader reader(common::decodeCodePage(bytes));
    while (auto code = reader.next()) {
        if (*code == u"z") break; // the end marker; its name and number do not matter
        auto name = reader.next();
        if (!name) break;
        const auto number = reader.next();
        if (!number) break; // a record cut short at the end of the file
        entries.append(Entry{std::move(*code), std::move(*name), common::ParseNumber(*number)});
    }
    return entries;
}

bool isFormulaCode(double value)
{
    return value >= -28.0 && value <= -11.0 && value == std::floor(value);
}

namespace {

// The largest whole number not above a / b, for b > 0 (integer division truncates towards zero).
long long floorDiv(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// The whole number nearest a real, a half to the even neighbour, saturated.
std::int16_t nearest(double x) { return common::ToInt16(x); }

std::int16_t sat(long long x) { return common::Saturate16(x); }

// Formula -12: the three bonuses are reals, worked out wide; only the result is stored.
std::int16_t formula12(long long s2, long long s3, long long s5)
{
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    if (s2 > 10) a = double(2 * (s2 - 10));
    if (s2 > 14) a = double(3 * (s2 - 10));
    if (s2 > 17) a = double(4 * (s2 - 10));
    if (s3 > 10) b = double(2 * (s3 - 10));
    else a = a / 2;
    if (s5 > 10) c = double(2 * (s5 - 10));
    else a = a / 2;
    const std::int16_t v = nearest(a + b + c);
    return v < 1 ? std::int16_t(1) : v;
}

} // namespace

std::int16_t formulaValue(int code, const Attributes& s)
{
    // Widened once so that every sum, difference and product below is worked out without overflow;
    // each value stored in W and each result goes through sat() or nearest().
    const long long s1 = s[1], s2 = s[2], s3 = s[3], s4 = s[4], s5 = s[5], s6 = s[6];
    std::int16_t w = 0;

    switch (code) {
    case -11: return sat(3 * s5 + s6 + s4 + s3);
    case -12: return formula12(s2, s3, s5);
    case -13:
        w = sat(3 * s5 + s6 + s4);
        if (s1 > 10) w = nearest(w * (1.0 - double(s1 - 10) / 10.0));
        return w;
    case -14: return sat(s3 + s1 + s5);
    case -15: {
        const long long a = s2 > 10 ? s1 - 10 : 0;
        const long long b = s3 > 10 ? s1 - 10 : 0;
        const long long c = s5 > 10 ? s1 - 10 : 0;
        return sat(a + b + c);
    }
    case -16: return sat(3 * s1 + s3 + s4);
    case -17: return sat(floorDiv(s3 * s3, 10) + s1 + s2);
    case -18: return sat(2 * s5 + s4);
    case -19:
        w = sat(s2 + s1 + s3);
        if (s3 < 14) w = nearest(w / 2.0);
        if (s3 < 10) w = nearest(w / 2.0);
        return w;
    case -20: return sat(std::max(s2 + s1 + s3 + s5 - 25, 2LL));
    case -21: return sat(s5 + s1 + s3);
    case -22: return sat(s5 + s2 + s3);
    case -23: return sat(floorDiv(s2 * s2, 5));
    case -24: return sat(std::max(s1, s2) + std::max(s3, s4));
    case -25: return sat(s3 + s2 + s4);
    case -26:
        w = sat(floorDiv(s5 * s3, 5));
        if (s4 < 14) w = nearest(w / 2.0);
        if (s4 > 17) w = sat(2LL * w);
        return w;
    case -27:
        w = sat(s4 + s3 + s5);
        if (s1 < 12) w = sat(w - s2);
        if (s1 > 15) w = sat(w + s2);
        return w;
    case -28:
        w = sat(s3 + s2 + s5);
        if (s2 < 12) w = nearest(w / 2.0);
        if (s2 > 15) w = nearest(w * 1.4);
        if (s1 > 15) w = nearest(w * 1.4);
        return w;
    default: return 0;
    }
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
    } else if (code == u"w" || code == u"a" || code == u"o" || code == u"i" || code == u"d"
               || code == u"h") {
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
