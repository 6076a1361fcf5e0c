// Damage and healing: both rewrite the health as a whole number; the caller then updates the
// condition word and refreshes the sheet.
#pragma once

#include "sheet/character.h"

#include <QString>

namespace sheet {

// Takes the damage typed as text, reduced by the armour value in CharValue(11): a positive armour
// divides the damage (rounded down), a negative one absorbs damage up to its size, 0 absorbs all.
void applyDamage(Character& character, const QString& damageText);

// Health back to Power.
void healToFull(Character& character);

} // namespace sheet
