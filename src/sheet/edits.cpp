#include "sheet/edits.h"

#include "common/numbers.h"

namespace sheet {

using common::FormatNumber;
using common::ParseNumber;
using common::ToInt16;

AttributeEdit commitAttributeEdit(Character& c, int label, const QString& typed)
{
    AttributeEdit edit{typed, {}};
    if (label == kHealthLabel) {
        if (ParseNumber(typed) > c.CharValue[ValueSlot::Power])
            edit.boxText = common::FormatInteger(c.CharValue[ValueSlot::Power]);
        c.CharText[TextSlot::Health] = edit.boxText;
    } else {
        c.CharValue[ValueSlot(label)] = ToInt16(ParseNumber(typed));
    }
    edit.caption = FormatNumber(ParseNumber(edit.boxText));
    return edit;
}

QString initiativeCaption(const QString& perceptionCaption, const QString& nimblenessCaption)
{
    QString caption = QStringLiteral("6");
    for (const QString& shown : {perceptionCaption, nimblenessCaption}) {
        const double value = ParseNumber(shown);
        if (value > 13) caption = FormatNumber(ParseNumber(caption) + value - 10);
    }
    return caption;
}

void commitAbilityName(Character& c, int row, const QString& typed) { c.CharText[rowNameSlot(row)] = typed; }

QString commitAbilityValue(Character& c, int row, const QString& typed)
{
    const QString caption = FormatNumber(ParseNumber(typed));
    if (row == 0) c.CharText[TextSlot::Row0Value] = caption;
    else c.CharValue[rowValueSlot(row)] = ToInt16(ParseNumber(typed));
    return caption;
}

} // namespace sheet
