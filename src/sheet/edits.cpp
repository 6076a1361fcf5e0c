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
        if (ParseNumber(typed) > c.CharValue[slot::value::Power])
            edit.boxText = common::FormatInteger(c.CharValue[slot::value::Power]);
        c.CharText[slot::text::Health] = edit.boxText;
    } else {
        c.CharValue[slot::value(label)] = ToInt16(ParseNumber(typed));
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

void commitAbilityName(Character& c, int row, const QString& typed) { c.CharText[slot::rowName(row)] = typed; }

QString commitAbilityValue(Character& c, int row, const QString& typed)
{
    const QString caption = FormatNumber(ParseNumber(typed));
    if (row == 0) c.CharText[slot::text::Row0Value] = caption;
    else c.CharValue[slot::rowValue(row)] = ToInt16(ParseNumber(typed));
    return caption;
}

} // namespace sheet
