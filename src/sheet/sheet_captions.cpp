#include "sheet/sheet_captions.h"

#include "common/numbers.h"

namespace sheet {

using common::FormatInteger;
using common::FormatNumber;
using common::ParseNumber;

QString detailCaption(const Character& c)
{
    const QString separator = QStringLiteral(", ");
    return c.CharText[slot::text::Sex] + separator + c.CharText[slot::text::Kind] + separator
           + c.CharText[slot::text::Condition];
}

SheetCaptions sheetCaptions(const Character& c)
{
    SheetCaptions s;
    s.row0Value = FormatNumber(ParseNumber(c.CharText[slot::text::Row0Value]));
    s.row0Name = c.CharText[slot::text::Row0Name];
    s.name = c.CharText[slot::text::Name];
    s.race = c.CharText[slot::text::Race];
    s.detail = detailCaption(c);
    for (int i = 1; i <= 7; ++i) s.attributes[i] = FormatInteger(c.CharValue.numbered(i));
    s.attributes[8] = c.CharText[slot::text::Health]; // shown as stored, never reformatted
    for (int row = 1; row < kAbilityRows; ++row) {
        s.abilityValues[row] = FormatInteger(c.CharValue[slot::rowValue(row)]);
        s.abilityNames[row] = c.CharText[slot::rowName(row)];
    }
    return s;
}

} // namespace sheet
