// What an in-place edit of the sheet stores. The editors show the typed value at once; the record
// gets the rounded value, and health cannot be typed above Power.
#pragma once

#include "sheet/character.h"

#include <QString>

namespace sheet {

inline constexpr int kHealthLabel = 8; // attribute label 8 shows the health

struct AttributeEdit {
    QString boxText; // the editor's text afterwards (health above Power becomes Power)
    QString caption; // what the attribute label shows until the next refresh
};

// Attribute label k (0..7: the value slot of that number; 8: the health text).
AttributeEdit commitAttributeEdit(Character& character, int label, const QString& typed);

// The initiative caption worked out from the Perception and Nimbleness captions on the sheet: 6, plus
// each of them above 13 less 10.
QString initiativeCaption(const QString& perceptionCaption, const QString& nimblenessCaption);

// The name of ability row 0..7.
void commitAbilityName(Character& character, int row, const QString& typed);

// The value of ability row 0..7; returns the caption the value label shows. Row 0 keeps its value as
// text (the caption), the others as a rounded number.
QString commitAbilityValue(Character& character, int row, const QString& typed);

} // namespace sheet
