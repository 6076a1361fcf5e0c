#include "sheet/damage.h"

#include "common/numbers.h"

#include <cmath>

namespace sheet {

using common::ParseNumber;
using common::ToInt16;

void applyDamage(Character& c, const QString& damageText)
{
    const int damage = ToInt16(ParseNumber(damageText));
    const int health = ToInt16(ParseNumber(c.CharText[slot::text::Health]));
    const int armour = c.CharValue[slot::value::Armour];

    long long after = health;
    if (armour > 0) {
        after = health - static_cast<long long>(std::floor(double(damage) / armour));
    } else if (armour < 0 && damage > -armour) {
        after = health - damage;
    }
    c.CharText[slot::text::Health] = common::FormatInteger(common::Saturate16(after));
}

void healToFull(Character& c)
{
    c.CharText[slot::text::Health] = common::FormatInteger(c.CharValue[slot::value::Power]);
}

} // namespace sheet
