#include "sheet/sheet_captions.h"

#include "common/numbers.h"

namespace sheet {

using common::FormatInteger;
using common::FormatNumber;
using common::ParseNumber;

QString detailCaption(const Character& c)
{
    const QString separator = QStringLiteral(", ");
    return c.CharText[TextSlot::Sex] + separator + c.CharText[TextSlot::Kind] + separator
           + c.CharText[TextSlot::Condition];
}

SheetCaptions sheetCaptions(const Character& c)
{
    SheetCaptions s;
    s.row0Value = FormatNumber(ParseNumber(c.CharText[TextSlot::Row0Value]));
    s.row0Name = c.CharText[TextSlot::Row0Name];
    s.name = c.CharText[TextSlot::Name];
    s.race = c.CharText[TextSlot::Race];
    s.detail = detailCaption(c);
    for (int i = 1; i <= 7; ++i) s.attributes[i] = FormatInteger(c.CharValue.numbered(i));
    s.attributes[8] = c.CharText[TextSlot::Health]; // shown as stored, never reformatted
    for (int row = 1; row < kAbilityRows; ++row) {
        s.abilityValues[row] = FormatInteger(c.CharValue[rowValueSlot(row)]);
        s.abilityNames[row] = c.CharText[rowNameSlot(row)];
    }
    return s;
}

} // namespace sheet
