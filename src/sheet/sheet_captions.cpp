#include "sheet/sheet_captions.h"

#include "common/numbers.h"

namespace sheet {

using common::FormatInteger;
using common::FormatNumber;
using common::ParseNumber;

QString detailCaption(const Character& c)
{
    const QString separator = QStringLiteral(", ");
    return c.CharText[slot::Sex] + separator + c.CharText[slot::Kind] + separator + c.CharText[slot::Condition];
}

SheetCaptions sheetCaptions(const Character& c)
{
    SheetCaptions s;
    s.row0Value = FormatNumber(ParseNumber(c.CharText[slot::Row0Value]));
    s.row0Name = c.CharText[slot::Row0Name];
    s.name = c.CharText[slot::Name];
    s.race = c.CharText[slot::Race];
    s.detail = detailCaption(c);
    for (int i = 1; i <= 7; ++i) s.attributes[i] = FormatInteger(c.CharValue[i]);
    s.attributes[8] = c.CharText[slot::Health]; // shown as stored, never reformatted
    for (int row = 1; row < kAbilityRows; ++row) {
        s.abilityValues[row] = FormatInteger(c.CharValue[row + slot::kRowOffset]);
        s.abilityNames[row] = c.CharText[row + slot::kRowOffset];
    }
    return s;
}

} // namespace sheet
