// Rolling a random character: a race, the seven attributes, full health, and the sex and kind words.
// The name and the derived abilities follow in the window, which owns the captions they read.
#pragma once

#include "common/random_source.h"
#include "reference/reference_tables.h"
#include "sheet/character.h"

#include <optional>

namespace creation {

struct RaceTables {
    const reference::RaceNameTable& names;
    const reference::RaceChakraTable& favoured;
    int count;
};

// A race number from 1 to count, from one draw.
int drawRace(common::RandomSource& random, int count);

// The race to roll: the requested number when it is one of the races, otherwise a drawn one.
struct RaceChoice {
    int race;
    bool drawn;
};
RaceChoice chooseRace(std::optional<int> requested, common::RandomSource& random, int count);

// Rolls attributes 1..7 (three dice + 2, a favoured attribute's dice at least 10), sets health to
// Power, the race name, "being", the sex from one draw and "humanoid". Draws in that order; other
// slots are left as they are.
void rollCharacter(sheet::Character& character, int race, const RaceTables& races, common::RandomSource& random);

} // namespace creation
