#include "creation/random_character.h"

#include "common/numbers.h"

#include <cmath>

namespace creation {

using namespace sheet;

int drawRace(common::RandomSource& random, int count) { return int(std::floor(random.draw() * count)) + 1; }

RaceChoice chooseRace(std::optional<int> requested, common::RandomSource& random, int count)
{
    if (requested && *requested >= 1 && *requested <= count) return {*requested, false};
    return {drawRace(random, count), true};
}

namespace {
int die(common::RandomSource& random) { return int(std::floor(6 * random.draw())); }
} // namespace

void rollCharacter(Character& c, int race, const RaceTables& races, common::RandomSource& random)
{
    for (int i = int(slot::value::Wisdom); i <= int(slot::value::Power); ++i) {
        const int a = die(random);
        const int b = die(random);
        const int d = die(random);
        int roll = a + b + d + 3;
        if (roll < 10 && races.favoured[race] == i) roll = 10;
        c.CharValue.numbered(i) = std::int16_t(roll + 2);
    }
    c.CharText[slot::text::Health] = common::FormatInteger(c.CharValue[slot::value::Power]);
    c.CharText[slot::text::Race] = races.names[race];
    c.CharText[slot::text::Condition] = QStringLiteral("being");
    c.CharText[slot::text::Sex] = std::floor(2 * random.draw()) == 0 ? QStringLiteral("female")
                                                                     : QStringLiteral("male");
    c.CharText[slot::text::Kind] = QStringLiteral("humanoid");
}

} // namespace creation
