#include "sheet/condition.h"

#include "common/numbers.h"

namespace sheet {

QString conditionWord(double health, int wisdom)
{
    // Each test overrides the one before it, so "ghosted" wins over "unconscious" and, with a
    // negative Wisdom, even over "mutilated" and "barely conscious".
    QString word = QStringLiteral("wounded");
    if (health == 1.0) word = QStringLiteral("mutilated");
    if (health == 0.0) word = QStringLiteral("barely conscious");
    if (health < 0.0) word = QStringLiteral("unconscious");
    if (health < -double(wisdom)) word = QStringLiteral("ghosted");
    return word;
}

void updateCondition(Character& c, const QString& powerCaption)
{
    const double health = common::ParseNumber(c.CharText[slot::text::Health]);
    if (health >= c.CharValue[slot::value::Power]) {
        c.CharText[slot::text::Health] = powerCaption;
        c.CharText[slot::text::Condition] = QStringLiteral("being");
        return;
    }
    c.CharText[slot::text::Condition] = conditionWord(health, c.CharValue[slot::value::Wisdom]);
}

} // namespace sheet
