#include "creation/names.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace creation {

namespace {

template <std::size_t N> void fillRows(std::array<QString, N>& table, std::initializer_list<const char*> rows)
{
    table.fill(QString());
    std::size_t i = 0;
    for (const char* row : rows) table[i++] = QString::fromLatin1(row);
}

// A whole number from 0 to m - 1.
int pick(common::RandomSource& random, int m) { return static_cast<int>(std::floor(m * random.draw())); }

constexpr int kVowelRows = 5;
constexpr int kConsonantRows = 12;
constexpr int kVowelGroupRows = 25;
constexpr int kConsonantGroupRows = 61;

} // namespace

void fillSyllableTables(SyllableTables& tables)
{
    fillRows(tables.NameVowels, {"a", "e", "i", "o", "u"});
    fillRows(tables.NameConsonants, {"b", "c", "d", "f", "g", "h", "k", "m", "n", "p", "t", "s"});
    fillRows(tables.NameVowelGroups, {"a",  "ar", "ah", "ae", "ay",  "e",  "ee", "ei", "er", "es", "i",  "ir", "is",
                                      "io", "iu", "o",  "oe", "oeu", "oa", "oo", "u",  "ua", "us", "ui", "ur"});
    // "w" stands twice (rows 43 and 45), so it comes up twice as often; "~", "'" and "-" are
    // joined into names like any other row.
    fillRows(tables.NameConsonantGroups, {"b",  "br", "bb", "c",  "cr", "ch", "d",  "dd", "dr", "f",         //  0- 9
                                          "ff", "fr", "g",  "gh", "gr", "h",  "ht", "hw", "j",  "dj",        // 10-19
                                          "bh", "k",  "kr", "kk", "l",  "n",  "ng", "nn", "p",  "pr",        // 20-29
                                          "ph", "q",  "r",  "rr", "rt", "s",  "sh", "sk", "t",  "tt",        // 30-39
                                          "th", "v",  "vv", "w",  "wh", "w",  "x",  "xx", "~",  "y",         // 40-49
                                          "yl", "ny", "z",  "zh", "'",  "ll", "lt", "m",  "mm", "mn", "-"}); // 50-60
}

QString buildName(const SyllableTables& tables, common::RandomSource& random)
{
    QString name;
    // k counts the steps. While k comes back to 1 the step redraws it; the first redraw that gives
    // 1 forces that step to a single letter, and from then on every step picks a group or a single
    // letter with even odds. n counts the vowel steps still to make.
    std::int16_t k = 0;
    std::int16_t n = static_cast<std::int16_t>(pick(random, 2) + 2);
    if (pick(random, 4) == 0) ++n;
    if (pick(random, 4) == 0) ++n;

    bool consonantStep = pick(random, 3) != 0;
    for (;;) {
        if (consonantStep) {
            ++k;
            bool forcedSingle = false;
            if (k == 1) {
                k = static_cast<std::int16_t>(pick(random, 2));
                forcedSingle = k == 1;
            }
            if (forcedSingle || pick(random, 2) != 0) name += tables.NameConsonants[pick(random, kConsonantRows)];
            else name += tables.NameConsonantGroups[pick(random, kConsonantGroupRows)];
            // Drawn on every consonant step, although it only matters on the last one.
            const int endCheck = pick(random, 3);
            if (endCheck != 0 && n == 1) break; // the name ends on a consonant part
        } else {
            ++k;
            if (k == 1) k = static_cast<std::int16_t>(pick(random, 2));
            // Drawn on every vowel step, although a forced single letter ignores it.
            const bool group = pick(random, 2) == 0;
            if (k != 1 && group) name += tables.NameVowelGroups[pick(random, kVowelGroupRows)];
            else name += tables.NameVowels[pick(random, kVowelRows)];
            --n;
            if (n <= 0) break;
        }
        consonantStep = !consonantStep;
    }

    if (!name.isEmpty()) name[0] = name[0].toUpper();
    return name;
}

} // namespace creation
