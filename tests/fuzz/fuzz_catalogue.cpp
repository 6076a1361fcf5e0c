// Reading catalogues, and laying their entries out as new possessions.
//
// The attributes the formulas read come from a few fixed characters (ordinary, and every attribute
// at either end of its range) and from the last twelve bytes of the input.
//
// Properties: no entry is the end record "z" and every number is finite; the entries, written back
// as a catalogue in the program's field format, read back as the same entries; a chosen entry's kind,
// file name and number agree with its code and number; and every formula code works out to a value
// for any attributes without overflow (undefined behaviour is caught by the sanitizer).
#include "fuzz_support.h"

#include "catalogue/catalogue.h"
#include "common/fields.h"
#include "common/file_text.h"
#include "common/numbers.h"

#include <QList>

#include <cmath>
#include <cstring>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using namespace catalogue;

QString describe(const Entry& e)
{
    return fuzz::shown(e.code) + u'|' + fuzz::shown(e.name) + u'|' + QString::number(e.value, 'g', 17);
}

std::vector<Attributes> attributeSets(const std::uint8_t* data, std::size_t size)
{
    std::vector<Attributes> sets = {
        {0, 12, 16, 9, 11, 9, 10},
        {0, 32767, 32767, 32767, 32767, 32767, 32767},
        {0, -32768, -32768, -32768, -32768, -32768, -32768},
        {0, 32767, -32768, 32767, -32768, 32767, -32768},
        {0, 18, 18, 18, 18, 18, 18},
    };
    if (size >= 12) {
        Attributes fuzzed{};
        for (std::size_t i = 0; i < 6; ++i) std::memcpy(&fuzzed[i + 1], data + size - 12 + 2 * i, 2);
        sets.push_back(fuzzed);
    }
    return sets;
}

void checkChoice(const Entry& e, const Attributes& s)
{
    const Choice c = chooseEntry(e, s);
    const auto what = [&] {
        return describe(e) + QStringLiteral(" -> ") + fuzz::shown(c.fileName) + u' ' + fuzz::shown(c.number);
    };
    FUZZ_CHECK(c.code == e.code && c.name == e.name, what());
    switch (c.kind) {
    case Kind::Ability: FUZZ_CHECK(c.fileName == e.name + QStringLiteral(".qoa"), what()); break;
    case Kind::Item: FUZZ_CHECK(c.fileName == e.name + QStringLiteral(".qod"), what()); break;
    case Kind::None: FUZZ_CHECK(c.fileName.isEmpty(), what()); break;
    }
    FUZZ_CHECK(c.formula.has_value() == isFormulaCode(e.value), what());
    if (c.formula) {
        FUZZ_CHECK(*c.formula == formulaValue(static_cast<int>(e.value), s), what());
        FUZZ_CHECK(c.number == common::FormatInteger(*c.formula), what());
    } else {
        FUZZ_CHECK(c.number.isEmpty() || c.number == common::FormatNumber(e.value), what());
        FUZZ_CHECK(c.number.isEmpty() || fuzz::isPlainDecimal(c.number), what());
        // Items always show their number.
        if (c.kind == Kind::Item) FUZZ_CHECK(!c.number.isEmpty(), what());
    }
}

QList<Entry> entriesOf(const std::optional<Catalogue>& catalogue)
{
    QList<Entry> entries;
    for (int row = 0; catalogue && row < catalogue->size(); ++row) {
        const Entry e = catalogue->entry(row);
        // What the lists show is the entry, cut short at most.
        const QString shown = catalogue->shownName(row);
        FUZZ_CHECK(shown == e.name || (shown.endsWith(u'\u2026') && e.name.startsWith(shown.chopped(1))), describe(e));
        FUZZ_CHECK(catalogue->shownNumber(row) == common::FormatNumber(e.value), describe(e));
        entries.append(e);
    }
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<Catalogue> catalogue = readCatalogue(fuzz::inputBytes(data, size));
    const QList<Entry> entries = entriesOf(catalogue);
    for (const Entry& e : entries) {
        FUZZ_CHECK(e.code != u"z", describe(e));
        FUZZ_CHECK(std::isfinite(e.value), describe(e));
    }

    // Written back as the program writes fields: texts quoted, numbers bare, one record a line.
    QString written;
    for (const Entry& e : entries) {
        written +=
            common::record({common::quotedField(e.code), common::quotedField(e.name), common::FormatNumber(e.value)});
    }
    written += common::record({u"z"_s, QString(), QString()});
    const QList<Entry> again = entriesOf(readCatalogue(common::encodeFileText(written)));
    FUZZ_CHECK(again.size() == entries.size(),
               QStringLiteral("%1 entries read back as %2").arg(entries.size()).arg(again.size()));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        const Entry& r = again[i];
        FUZZ_CHECK(r.code == fuzz::storedText(e.code) && r.name == fuzz::storedText(e.name)
                       && common::FormatNumber(r.value) == common::FormatNumber(e.value),
                   describe(e) + QStringLiteral(" read back as ") + describe(r));
    }

    // Choosing entries, each for one of the characters in turn; every formula code for all of them.
    const std::vector<Attributes> sets = attributeSets(data, size);
    for (qsizetype i = 0; i < entries.size() && i < 64; ++i) {
        checkChoice(entries[i], sets[static_cast<std::size_t>(i) % sets.size()]);
    }
    for (const Attributes& s : sets) {
        for (int code = -30; code <= -9; ++code) {
            const std::int16_t value = formulaValue(code, s);
            if (code < -28 || code > -11)
                FUZZ_CHECK(value == 0, QStringLiteral("code %1 gives %2").arg(code).arg(value));
        }
    }
    return 0;
}
