// The condition word that follows the health after damage and healing.
#pragma once

#include "sheet/character.h"

#include <QString>

namespace sheet {

// Sets CharText(2) from the health in CharText(15). Health at or above Power becomes the Power caption
// as the sheet shows it (the caption is passed in, because the sheet may still show an older value).
void updateCondition(Character& character, const QString& powerCaption);

// The word for a health value, with Power and Wisdom as given (health below Power).
QString conditionWord(double health, int wisdom);

} // namespace sheet
