// What the sheet's labels show for a character record: the whole-sheet refresh computes these
// captions and the window writes them, in the order the labels are listed here.
#pragma once

#include "sheet/character.h"

#include <QString>

#include <array>

namespace sheet {

inline constexpr int kAbilityRows = 8;
inline constexpr int kAttributeLabels = 9; // Chakra(0..8); 0 is never refreshed

struct SheetCaptions {
    QString row0Value;                                // LabPer(0)
    QString row0Name;                                 // LabAb(0)
    QString name;                                     // Labnam
    QString race;                                     // Labfull
    QString detail;                                   // LabDetail: sex, kind, condition
    std::array<QString, kAttributeLabels> attributes; // Chakra(1..8); [0] unused
    std::array<QString, kAbilityRows> abilityValues;  // LabPer(1..7); [0] see row0Value
    std::array<QString, kAbilityRows> abilityNames;   // LabAb(1..7); [0] see row0Name
};

SheetCaptions sheetCaptions(const Character& character);

// "sex, kind, condition"
QString detailCaption(const Character& character);

} // namespace sheet
