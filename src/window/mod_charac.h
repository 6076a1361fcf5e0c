// The program's module-level state: what several parts of the window share for the whole run. What
// only one part uses lives in that part's panel (the editors' row and attribute, the seed count and
// the name built last, the viewer's amount and marker, the event log's next row, the catalogue
// listed). One instance is held by the window, which hands each panel the parts it shows and edits.
#pragma once

#include "creation/names.h"
#include "reference/reference_tables.h"
#include "sheet/abilities.h"
#include "sheet/character.h"

#include <QString>

#include <array>
#include <cstdint>

namespace window {

struct ModCharac {
    sheet::Character Character;

    // Reference tables, filled at start-up and read-only afterwards.
    reference::TeleportErrorTable TeleportError;
    reference::RaceNameTable RaceName;
    reference::RaceChakraTable RaceChakra{};
    std::int16_t RaceCount = 0;

    // The syllables names are built from.
    creation::SyllableTables Syllables;

    // Helm (entry 1) and shield (entry 2) in use: DefenseBonus and DefenseBonusName.
    sheet::DefenseInUse Defense;
};

} // namespace window
