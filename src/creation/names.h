// The name generator: four fixed syllable tables, filled once at start-up, and the builder that
// strings random consonant and vowel parts from them into one pronounceable name. The builder only
// draws from the random source and reads the tables; the caller shows the name and stores it.
#pragma once

#include "common/random_source.h"

#include <QString>

#include <array>

namespace creation {

// Rows beyond the filled ones stay empty and are never drawn.
struct SyllableTables {
    std::array<QString, 51> NameVowels;           // rows 0..4
    std::array<QString, 51> NameConsonants;       // rows 0..11
    std::array<QString, 101> NameVowelGroups;     // rows 0..24
    std::array<QString, 101> NameConsonantGroups; // rows 0..60
};

// Stores every syllable row in its place; rows past the filled ones are left empty.
void fillSyllableTables(SyllableTables& tables);

// Builds one name from the tables with a capital first character (a leading mark stays as it is).
// The draws are made in a fixed order, including those whose result a given step does not need, so
// that one seed always yields the same name.
QString buildName(const SyllableTables& tables, common::RandomSource& random);

} // namespace creation
