// Catalogue files (.qoc): the things a character can acquire, one record of three fields each (a
// one-letter category code, a name and a number), read until the record whose code is exactly "z".
// Choosing an entry lays it out as the first lines of a new possession; a number that is a formula
// code (-11 to -28) asks for a value worked out from the character's attributes instead.
//
// Data flow: the window hands a catalogue's bytes to readCatalogue() and lists the entries as the
// lists draw them; when an entry is chosen it hands the entry and the character's attributes to
// chooseEntry(), and writes the result into the acquire panel and, for a formula code, into ability
// row 2 of the record.
#pragma once

#include "common/fields.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace catalogue {

struct Entry {
    QString code;
    QString name;
    double value = 0.0;
};

// A catalogue as it lies in its file: the entries before the first record whose code is exactly "z"
// (case-sensitive; "Z" is an ordinary entry), read as one stream of fields with the program's field
// rule, so records may share a line or spread over several. A file without a "z" record ends at its
// end; a record cut short there is dropped. A number field that is not a number reads as its leading
// number (0 for text).
//
// The entries stay in the file's bytes, each known by where it begins, and are decoded when asked
// for: a catalogue of millions of tiny entries then costs four bytes an entry beside its file, and
// reading it costs one pass over the bytes.
class Catalogue {
public:
    int size() const { return int(records_.size()); }
    Entry entry(int row) const;

    // What the lists show of an entry: the code and name cut after kShownLength characters (a name of
    // a megabyte is no line anyone reads), and the number as its shortest decimal text.
    static constexpr qsizetype kShownLength = 2000;
    QString shownCode(int row) const;
    QString shownName(int row) const;
    QString shownNumber(int row) const;

private:
    friend std::optional<Catalogue> readCatalogue(QByteArray bytes);
    std::array<common::FieldSpan, 3> fieldsOf(int row) const;
    QString shown(common::FieldSpan field) const;
    QString decoded(common::FieldSpan field) const;

    QByteArray bytes_;
    common::TextEncoding encoding_ = common::TextEncoding::CodePage;
    std::vector<std::uint32_t> records_; // where each entry's first field begins in bytes_
};

// The catalogue in a file's bytes, or nothing when the file is no catalogue the program can use: one
// with a field longer than a whole possession file may be (common::kSmallFileLimit), which could
// never be taken, nor shown in a text box without tying the window up.
std::optional<Catalogue> readCatalogue(QByteArray bytes);

// Whether a number is one of the formula codes: a whole number from -11 down to -28.
bool isFormulaCode(double value);

// The attributes the formulas read: CharValue(1..6), Wisdom, Intellect, Perception, Heart,
// Nimbleness, Strength, as S[1]..S[6] (S[0] is unused).
using Attributes = std::array<std::int16_t, 7>;

// The value of formula code `code` (-11..-28; any other gives 0) for these attributes. Every step
// is worked out in wide integers, "/" is real division, rounding is to the nearest whole number (a
// half to the even neighbour), and only the result saturates to -32768..32767, when it is stored.
std::int16_t formulaValue(int code, const Attributes& s);

// What a catalogue entry becomes as a new possession.
enum class Kind { None, Ability, Item };

struct Choice {
    Kind kind = Kind::None; // which kind button the panel selects; None selects none
    QString fileName;       // TXnew(0): the name + ".qoa" or ".qod"; empty for an unknown code
    QString code;           // TXnew(1)
    QString name;           // TXnew(2)
    QString number;         // TXnew(3): the number, the formula's value, or empty
    // For a formula code: the value that goes with the entry's name into ability row 2.
    std::optional<std::int16_t> formula;
};

// Lays out an entry: "s" and "m" become abilities, "w", "a", "o", "i", "d" and "h" items (codes
// compared exactly); the item codes and "m" copy the number (as its shortest decimal text), "s" and
// unknown codes do not; a formula code puts the computed value in its place, whatever the code.
Choice chooseEntry(const Entry& entry, const Attributes& attributes);

} // namespace catalogue
