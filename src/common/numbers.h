// How values move between texts (text boxes, captions, file fields) and the character's slots.
// Every conversion of the program goes through these four functions so that "7 hp", "12.5" and
// "1D3" mean the same thing wherever they are typed or read.
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

namespace common {

// The number at the start of a text. Blanks, tabs and line feeds are skipped wherever they stand;
// an optional sign, digits with at most one decimal point, and an optional exponent (E or D, an
// optional sign, digits) make the number; the first other character ends it. No number gives 0.
// A number too large for a double gives the largest finite double of its sign.
double ParseNumber(QStringView text);

// The nearest whole number, halves to the even neighbour, saturated to -32768..32767; NaN gives 0.
std::int16_t ToInt16(double number);

// A wider integer saturated to -32768..32767, for arithmetic done in int and stored in a slot.
std::int16_t Saturate16(long long value);

// Decimal digits with a leading "-" for negatives; no blank, no separators.
QString FormatInteger(long long value);

// The shortest plain decimal text of a number with at most 15 significant digits: "." as decimal
// point, no exponent, no trailing zeros, no point for whole numbers ("12", "12.5", "-0.25").
QString FormatNumber(double number);

} // namespace common
