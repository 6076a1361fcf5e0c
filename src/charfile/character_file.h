// The character file: 35 slots of the character as five records of comma-separated fields.
//
//   record 1  CharText 1..7    quoted texts
//   record 2  CharValue 1..7   bare integers
//   record 3  CharText 8..14   quoted texts
//   record 4  CharValue 8..14  bare integers
//   record 5  CharText 15..21  quoted texts
//
// Each record ends with CR LF and the file holds nothing else; texts are Windows-1252, or UTF-8 behind a
// byte-order mark when they hold what it cannot (common/file_text.h). The
// remaining slots (CharText 0 and 22..30, CharValue 0 and 15..30) live only in memory.
#pragma once

#include "sheet/character.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace charfile {

// The whole file for a character. A double quote inside a text cannot be stored in a quoted field
// and is written as a single quote, so that every field still reads back in its place.
QByteArray characterFileBytes(const sheet::Character& c);

// Reads the 35 fields as one stream (line ends only separate fields, so records may be joined or
// split over lines) straight into their slots, in file order. Fails when the text ends before the
// 35th field or an integer field is refused by integerField(); the slots read before the failing
// field keep the values read, the failing slot and all later ones keep their old values. Anything
// after the 35th field is ignored.
bool readCharacterFile(const QByteArray& bytes, sheet::Character& c);

// One integer field as the field reader hands it over (outer blanks and quotes already gone).
// - An empty field is 0.
// - Otherwise the whole field must be a number in the syntax ParseNumber reads: an optional sign,
//   digits with at most one decimal point, and an optional exponent (E or D, optional sign, digits),
//   with nothing before or after and no blank inside ("17", "-3", "+5", "0017", "12.5", "1E3").
//   Anything else is not a number and is refused: "abc", "12abc", "1 2", "-", ".".
// - The number is rounded to the nearest whole number, halves to the even neighbour, the same way
//   every other number is stored in a slot ("12.5" gives 12, "13.5" gives 14). This program never
//   writes a fraction, but a fraction is still a number, so it is not refused.
// - A rounded value outside -32768..32767 is refused (unlike edits, which saturate): "40000",
//   "-32769", "32767.5".
// A number written in quotes ("12") reaches this function as its bare text and reads like 12; a
// quoted text that is not a number is refused like any other.
std::optional<std::int16_t> integerField(const QString& field);

} // namespace charfile
