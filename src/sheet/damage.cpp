#include "sheet/damage.h"

#include "common/numbers.h"

#include <cmath>

namespace sheet {

using common::ParseNumber;
using common::ToInt16;

void applyDamage(Character& c, const QString& damageText)
{
    const int damage = ToInt16(ParseNumber(damageText));
    const int health = ToInt16(ParseNumber(c.CharText[TextSlot::Health]));
    const int armour = c.CharValue[ValueSlot::Armour];

    long long after = health;
    if (armour > 0) {
        after = health - static_cast<long long>(std::floor(double(damage) / armour));
    } else if (armour < 0 && damage > -armour) {
        after = health - damage;
    }
    c.CharText[TextSlot::Health] = common::FormatInteger(common::Saturate16(after));
}

void healToFull(Character& c) { c.CharText[TextSlot::Health] = common::FormatInteger(c.CharValue[ValueSlot::Power]); }

} // namespace sheet
