// The program's module-level state: everything that lives for the whole run besides the controls and
// the state the window's panels keep of their own (the viewer's amount and marker, the event
// log's next row, the catalogue listed). One instance is held by the window, which hands each panel
// the parts it shows and edits.
#pragma once

#include "creation/names.h"
#include "sheet/abilities.h"
#include "sheet/character.h"
#include "reference/reference_tables.h"

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

    // The syllables names are built from, and the name Moniker built last.
    creation::SyllableTables Syllables;
    QString GeneratedName;

    // Helm (entry 1) and shield (entry 2) in use: DefenseBonus and DefenseBonusName.
    sheet::DefenseInUse Defense;

    // What the in-place editors were opened for.
    std::int16_t EditAttr = 0;
    std::int16_t EditRow = 0;

    // The counter shown in the seed box until the first roll.
    std::int16_t SeedTicker = 0;
};

} // namespace window
